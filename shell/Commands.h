// The editor's commands: ids, menu texts, shortcuts, tool-bar places, status-bar prompts and tooltips.
#pragma once

enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT = 57607,
    ID_FILE_EXPORT_CHANNEL_LIST = 32830,
    ID_FILE_MODIFICATION_DATE = 32789,
    ID_APP_EXIT = 57665,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_VIEW_EDITBAR = 32773,
    ID_VIEW_CHANNEL_LIST = 32790,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_SATELLITE_IMPORT_SATCODX = 32807,
    ID_SATELLITE_SORT_BY_DEGREE = 32808,
    ID_TRANSPONDER_ADD = 32780,
    ID_TRANSPONDER_DELETE = 32781,
    ID_TRANSPONDER_DELETE_ALL_IN_NET = 32782,
    ID_PROGRAM_ADD = 32783,
    ID_PROGRAM_DELETE = 32784,
    ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER = 32787,
    ID_PROGRAM_DELETE_ALL_IN_NET = 32788,
    ID_TOOLS_APPLY_ORDER = 32809,
    ID_TOOLS_CLEAN_UP = 32810,
    ID_TOOLS_COMPARE = 32811,
    ID_APP_ABOUT = 57664,
};

struct CommandInfo {
    CommandId id;
    const char* menu;      // "&File", ...
    const char* text;      // menu item text, "\t" and the shortcut's name included
    const char* shortcut;  // QKeySequence text, or nullptr
    int toolBarPosition;   // 1..13 from the left, 0 when the command has no button
    const char* statusTip; // shown in the status bar while the item or button is highlighted
    const char* toolTip;   // tool-bar tooltip, or nullptr
    const char* icon;      // resource path of the button image, or nullptr
    bool separatorAfter;   // a menu separator follows the item
};

// In menu order.
inline constexpr CommandInfo kCommands[] = {
    {ID_FILE_NEW, "&File", "&New...\tCtrl+N", "Ctrl+N", 1, "Creates a new NDF file", "New", ":/icons/new.svg", false},
    {ID_FILE_OPEN, "&File", "&Open...\tCtrl+O", "Ctrl+O", 2, "Opens an existing NDF file", "Open", ":/icons/open.svg",
     false},
    {ID_FILE_CLOSE, "&File", "&Close", nullptr, 0, "Closes the NDF file", "Close", nullptr, true},
    {ID_FILE_SAVE, "&File", "&Save\tCtrl+S", "Ctrl+S", 3, "Saves the NDF file", "Save", ":/icons/save.svg", false},
    {ID_FILE_SAVE_AS, "&File", "Save &As...", nullptr, 0, "Saves the NDF file with a new name", "Save As", nullptr,
     true},
    {ID_FILE_PRINT, "&File", "&Print...\tCtrl+P", "Ctrl+P", 6, "Print all or parts of the NDF file", "Print",
     ":/icons/print.svg", false},
    {ID_FILE_EXPORT_CHANNEL_LIST, "&File", "&Export Channel List...", nullptr, 0,
     "Save the channel list as a CSV, HTML or PDF file", "Export Channel List", nullptr, true},
    {ID_FILE_MODIFICATION_DATE, "&File", "Modification &Date...", nullptr, 0, "Show/Edit the recent modification date",
     nullptr, nullptr, true},
    {ID_APP_EXIT, "&File", "E&xit\tAlt+F4", nullptr, 0, "Quit the application; prompts to save the NDF file", "Exit",
     nullptr, false},
    // The texts of Undo and Redo name the step they take; these are the texts with nothing to take.
    {ID_EDIT_UNDO, "&Edit", "&Undo", "Ctrl+Z", 4, "Undo the last change", "Undo", ":/icons/undo.svg", false},
    {ID_EDIT_REDO, "&Edit", "&Redo", "Ctrl+Y", 5, "Redo the change that was undone", "Redo", ":/icons/redo.svg", false},
    {ID_VIEW_EDITBAR, "&View", "&Editbar", nullptr, 11, "Show or hide the edit bar", "Toggle EditBar",
     ":/icons/editbar.svg", false},
    {ID_VIEW_CHANNEL_LIST, "&View", "&Channel List", nullptr, 12, "Show the channel list", "Ch List",
     ":/icons/channel_list.svg", true},
    {ID_VIEW_TOOLBAR, "&View", "&Toolbar", nullptr, 0, "Show or hide the toolbar", "Toggle ToolBar", nullptr, false},
    {ID_VIEW_STATUS_BAR, "&View", "&Status Bar", nullptr, 0, "Show or hide the status bar", "Toggle StatusBar", nullptr,
     false},
    {ID_SATELLITE_IMPORT_SATCODX, "&Satellite", "Import &SATCODX", nullptr, 0,
     "Load the selected satellite from SATCODX file", "SATCODX", nullptr, true},
    {ID_SATELLITE_SORT_BY_DEGREE, "&Satellite", "Sort by &Degree", nullptr, 0, "Sort the satellite list by degree",
     "Sort by Degree", nullptr, false},
    {ID_TRANSPONDER_ADD, "&Transponder", "&Add New", nullptr, 7, "Add a new transponder", "Add Tp",
     ":/icons/add_transponder.svg", true},
    {ID_TRANSPONDER_DELETE, "&Transponder", "&Delete Selected", nullptr, 8, "Delete the selected transponder",
     "Delete Tp", ":/icons/delete_transponder.svg", false},
    {ID_TRANSPONDER_DELETE_ALL_IN_NET, "&Transponder", "Delete All in &Net", nullptr, 0,
     "Delete all transponders in the selected network", "Delete All Tps in Net", nullptr, false},
    {ID_PROGRAM_ADD, "&Program", "&Add New", nullptr, 9, "Add a new program", "Add Prog", ":/icons/add_program.svg",
     true},
    {ID_PROGRAM_DELETE, "&Program", "&Delete Selected", nullptr, 10, "Delete the selected program", "Delete Prog",
     ":/icons/delete_program.svg", false},
    {ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER, "&Program", "Delete All in &Transponder", nullptr, 0,
     "Delete all programs in the selected transponder", "Delete Progs In Tp", nullptr, false},
    {ID_PROGRAM_DELETE_ALL_IN_NET, "&Program", "Delete All in &Net", nullptr, 0,
     "Delete all programs in the selected network", "Delete Progs In Net", nullptr, false},
    {ID_TOOLS_APPLY_ORDER, "T&ools", "Apply &Order from File...", nullptr, 0,
     "Take the channel order and favorite groups from another NDF file", "Apply Order", nullptr, false},
    {ID_TOOLS_CLEAN_UP, "T&ools", "&Clean Up...", nullptr, 0, "Find duplicate and broken records and remove them",
     "Clean Up", nullptr, true},
    {ID_TOOLS_COMPARE, "T&ools", "Co&mpare with File...", nullptr, 0,
     "Show what differs between this file and another NDF file", "Compare", nullptr, false},
    {ID_APP_ABOUT, "&Help", "&About Dishline...", nullptr, 13,
     "Display program information, version number and copyright", "About", ":/icons/about.svg", false},
};

// Menu bar titles, left to right.
inline constexpr const char* kMenuTitles[] = {"&File",        "&Edit",    "&View",  "&Satellite",
                                              "&Transponder", "&Program", "T&ools", "&Help"};

// Tool-bar buttons that a separator follows: Save | Redo | Print | Delete transponder | Delete program |
// Channel List.
inline constexpr int kToolBarSeparatorsAfter[] = {3, 5, 6, 8, 10, 12};
inline constexpr int kToolBarButtons = 13;
