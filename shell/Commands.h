// The editor's commands: ids, menu texts, shortcuts, tool-bar places, status-bar prompts and tooltips.
#pragma once

#include <QCoreApplication>
#include <QtGlobal>

// The texts are English source texts: translate them with QCoreApplication::translate("Commands", text).

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
    ID_EDIT_RESTORE_CHANNEL_LIST = 32831,
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
    ID_EDIT_FIND = 32840,
    ID_PROGRAM_LOCK = 32841,
    ID_PROGRAM_SKIP = 32842,
    ID_HELP_USER_GUIDE = 32860,
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
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Commands", "&File"), QT_TRANSLATE_NOOP("Commands", "&New...\tCtrl+N"), "Ctrl+N", 1,
     QT_TRANSLATE_NOOP("Commands", "Creates a new NDF file"), QT_TRANSLATE_NOOP("Commands", "New"), ":/icons/new.png",
     false},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Commands", "&File"), QT_TRANSLATE_NOOP("Commands", "&Open...\tCtrl+O"), "Ctrl+O",
     2, QT_TRANSLATE_NOOP("Commands", "Opens an existing NDF file"), QT_TRANSLATE_NOOP("Commands", "Open"),
     ":/icons/open.png", false},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Commands", "&File"), QT_TRANSLATE_NOOP("Commands", "&Close"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Closes the NDF file"), QT_TRANSLATE_NOOP("Commands", "Close"), nullptr, true},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Commands", "&File"), QT_TRANSLATE_NOOP("Commands", "&Save\tCtrl+S"), "Ctrl+S", 3,
     QT_TRANSLATE_NOOP("Commands", "Saves the NDF file"), QT_TRANSLATE_NOOP("Commands", "Save"), ":/icons/save.png",
     false},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Commands", "&File"), QT_TRANSLATE_NOOP("Commands", "Save &As..."), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Saves the NDF file with a new name"), QT_TRANSLATE_NOOP("Commands", "Save As"),
     nullptr, true},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Commands", "&File"), QT_TRANSLATE_NOOP("Commands", "&Print...\tCtrl+P"),
     "Ctrl+P", 6, QT_TRANSLATE_NOOP("Commands", "Print all or parts of the NDF file"),
     QT_TRANSLATE_NOOP("Commands", "Print"), ":/icons/print.png", false},
    {ID_FILE_EXPORT_CHANNEL_LIST, QT_TRANSLATE_NOOP("Commands", "&File"),
     QT_TRANSLATE_NOOP("Commands", "&Export Channel List..."), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Save the channel list as a CSV, HTML or PDF file"),
     QT_TRANSLATE_NOOP("Commands", "Export Channel List"), nullptr, true},
    {ID_FILE_MODIFICATION_DATE, QT_TRANSLATE_NOOP("Commands", "&File"),
     QT_TRANSLATE_NOOP("Commands", "Modification &Date..."), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Show/Edit the recent modification date"), nullptr, nullptr, true},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Commands", "&File"), QT_TRANSLATE_NOOP("Commands", "E&xit\tAlt+F4"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Quit the application; prompts to save the NDF file"),
     QT_TRANSLATE_NOOP("Commands", "Exit"), nullptr, false},
    // The texts of Undo and Redo name the step they take; these are the texts with nothing to take.
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Commands", "&Edit"), QT_TRANSLATE_NOOP("Commands", "&Undo"), "Ctrl+Z", 4,
     QT_TRANSLATE_NOOP("Commands", "Undo the last change"), QT_TRANSLATE_NOOP("Commands", "Undo"), ":/icons/undo.png",
     false},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("Commands", "&Edit"), QT_TRANSLATE_NOOP("Commands", "&Redo"), "Ctrl+Y", 5,
     QT_TRANSLATE_NOOP("Commands", "Redo the change that was undone"), QT_TRANSLATE_NOOP("Commands", "Redo"),
     ":/icons/redo.png", true},
    {ID_EDIT_RESTORE_CHANNEL_LIST, QT_TRANSLATE_NOOP("Commands", "&Edit"),
     QT_TRANSLATE_NOOP("Commands", "Restore &Discarded Channel List Changes"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Open the channel list again with the changes that were discarded"), nullptr,
     nullptr, false},
    {ID_EDIT_FIND, QT_TRANSLATE_NOOP("Commands", "&Edit"), QT_TRANSLATE_NOOP("Commands", "&Find...\tCtrl+F"), "Ctrl+F",
     0, QT_TRANSLATE_NOOP("Commands", "Find programs, transponders and satellites by name or number"),
     QT_TRANSLATE_NOOP("Commands", "Find"), nullptr, false},
    {ID_VIEW_EDITBAR, QT_TRANSLATE_NOOP("Commands", "&View"), QT_TRANSLATE_NOOP("Commands", "&Editbar"), nullptr, 11,
     QT_TRANSLATE_NOOP("Commands", "Show or hide the edit bar"), QT_TRANSLATE_NOOP("Commands", "Toggle EditBar"),
     ":/icons/editbar.png", false},
    {ID_VIEW_CHANNEL_LIST, QT_TRANSLATE_NOOP("Commands", "&View"), QT_TRANSLATE_NOOP("Commands", "&Channel List\tF7"),
     "F7", 12, QT_TRANSLATE_NOOP("Commands", "Show the channel list"), QT_TRANSLATE_NOOP("Commands", "Ch List"),
     ":/icons/channel_list.png", true},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "&View"), QT_TRANSLATE_NOOP("Commands", "&Toolbar"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Show or hide the toolbar"), QT_TRANSLATE_NOOP("Commands", "Toggle ToolBar"),
     nullptr, false},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Commands", "&View"), QT_TRANSLATE_NOOP("Commands", "&Status Bar"), nullptr,
     0, QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar"), QT_TRANSLATE_NOOP("Commands", "Toggle StatusBar"),
     nullptr, false},
    {ID_SATELLITE_IMPORT_SATCODX, QT_TRANSLATE_NOOP("Commands", "&Satellite"),
     QT_TRANSLATE_NOOP("Commands", "Import &SATCODX"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Load the selected satellite from SATCODX file"),
     QT_TRANSLATE_NOOP("Commands", "SATCODX"), nullptr, true},
    {ID_SATELLITE_SORT_BY_DEGREE, QT_TRANSLATE_NOOP("Commands", "&Satellite"),
     QT_TRANSLATE_NOOP("Commands", "Sort by &Degree"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Sort the satellite list by degree"),
     QT_TRANSLATE_NOOP("Commands", "Sort by Degree"), nullptr, false},
    {ID_TRANSPONDER_ADD, QT_TRANSLATE_NOOP("Commands", "&Transponder"), QT_TRANSLATE_NOOP("Commands", "&Add New"),
     nullptr, 7, QT_TRANSLATE_NOOP("Commands", "Add a new transponder"), QT_TRANSLATE_NOOP("Commands", "Add Tp"),
     ":/icons/add_transponder.png", true},
    {ID_TRANSPONDER_DELETE, QT_TRANSLATE_NOOP("Commands", "&Transponder"),
     QT_TRANSLATE_NOOP("Commands", "&Delete Selected"), nullptr, 8,
     QT_TRANSLATE_NOOP("Commands", "Delete the selected transponder"), QT_TRANSLATE_NOOP("Commands", "Delete Tp"),
     ":/icons/delete_transponder.png", false},
    {ID_TRANSPONDER_DELETE_ALL_IN_NET, QT_TRANSLATE_NOOP("Commands", "&Transponder"),
     QT_TRANSLATE_NOOP("Commands", "Delete All in &Net"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Delete all transponders in the selected network"),
     QT_TRANSLATE_NOOP("Commands", "Delete All Tps in Net"), nullptr, false},
    {ID_PROGRAM_ADD, QT_TRANSLATE_NOOP("Commands", "&Program"), QT_TRANSLATE_NOOP("Commands", "&Add New"), nullptr, 9,
     QT_TRANSLATE_NOOP("Commands", "Add a new program"), QT_TRANSLATE_NOOP("Commands", "Add Prog"),
     ":/icons/add_program.png", true},
    {ID_PROGRAM_DELETE, QT_TRANSLATE_NOOP("Commands", "&Program"), QT_TRANSLATE_NOOP("Commands", "&Delete Selected"),
     nullptr, 10, QT_TRANSLATE_NOOP("Commands", "Delete the selected program"),
     QT_TRANSLATE_NOOP("Commands", "Delete Prog"), ":/icons/delete_program.png", false},
    {ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER, QT_TRANSLATE_NOOP("Commands", "&Program"),
     QT_TRANSLATE_NOOP("Commands", "Delete All in &Transponder"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Delete all programs in the selected transponder"),
     QT_TRANSLATE_NOOP("Commands", "Delete Progs In Tp"), nullptr, false},
    {ID_PROGRAM_DELETE_ALL_IN_NET, QT_TRANSLATE_NOOP("Commands", "&Program"),
     QT_TRANSLATE_NOOP("Commands", "Delete All in &Net"), nullptr, 0,
     QT_TRANSLATE_NOOP("Commands", "Delete all programs in the selected network"),
     QT_TRANSLATE_NOOP("Commands", "Delete Progs In Net"), nullptr, true},
    {ID_PROGRAM_LOCK, QT_TRANSLATE_NOOP("Commands", "&Program"), QT_TRANSLATE_NOOP("Commands", "&Lock\tCtrl+L"),
     "Ctrl+L", 0, QT_TRANSLATE_NOOP("Commands", "Lock or unlock the selected programs"),
     QT_TRANSLATE_NOOP("Commands", "Lock"), nullptr, false},
    {ID_PROGRAM_SKIP, QT_TRANSLATE_NOOP("Commands", "&Program"), QT_TRANSLATE_NOOP("Commands", "S&kip\tCtrl+K"),
     "Ctrl+K", 0, QT_TRANSLATE_NOOP("Commands", "Mark or unmark the selected programs to be skipped"),
     QT_TRANSLATE_NOOP("Commands", "Skip"), nullptr, false},
    {ID_TOOLS_APPLY_ORDER, QT_TRANSLATE_NOOP("Commands", "T&ools"),
     QT_TRANSLATE_NOOP("Commands", "Apply &Order from File...\tCtrl+Shift+O"), "Ctrl+Shift+O", 0,
     QT_TRANSLATE_NOOP("Commands",
                       "Take the channel order, favorite groups, locks, skips and kept names from another NDF file"),
     QT_TRANSLATE_NOOP("Commands", "Apply Order"), nullptr, false},
    {ID_TOOLS_CLEAN_UP, QT_TRANSLATE_NOOP("Commands", "T&ools"),
     QT_TRANSLATE_NOOP("Commands", "&Clean Up...\tCtrl+Shift+L"), "Ctrl+Shift+L", 0,
     QT_TRANSLATE_NOOP("Commands", "Find duplicate and broken records and remove them"),
     QT_TRANSLATE_NOOP("Commands", "Clean Up"), nullptr, true},
    {ID_TOOLS_COMPARE, QT_TRANSLATE_NOOP("Commands", "T&ools"),
     QT_TRANSLATE_NOOP("Commands", "Co&mpare with File...\tCtrl+Shift+M"), "Ctrl+Shift+M", 0,
     QT_TRANSLATE_NOOP("Commands", "Show what differs between this file and another NDF file"),
     QT_TRANSLATE_NOOP("Commands", "Compare"), nullptr, false},
    {ID_HELP_USER_GUIDE, QT_TRANSLATE_NOOP("Commands", "&Help"), QT_TRANSLATE_NOOP("Commands", "&User Guide\tF1"), "F1",
     0, QT_TRANSLATE_NOOP("Commands", "Open the user guide"), QT_TRANSLATE_NOOP("Commands", "User Guide"), nullptr,
     true},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Commands", "&Help"), QT_TRANSLATE_NOOP("Commands", "&About Dishline..."), nullptr,
     13, QT_TRANSLATE_NOOP("Commands", "Display program information, version number and copyright"),
     QT_TRANSLATE_NOOP("Commands", "About"), ":/icons/about.png", false},
};

// Menu bar titles, left to right.
inline constexpr const char* kMenuTitles[] = {
    QT_TRANSLATE_NOOP("Commands", "&File"),        QT_TRANSLATE_NOOP("Commands", "&Edit"),
    QT_TRANSLATE_NOOP("Commands", "&View"),        QT_TRANSLATE_NOOP("Commands", "&Satellite"),
    QT_TRANSLATE_NOOP("Commands", "&Transponder"), QT_TRANSLATE_NOOP("Commands", "&Program"),
    QT_TRANSLATE_NOOP("Commands", "T&ools"),       QT_TRANSLATE_NOOP("Commands", "&Help")};

// A command table text in the user's language.
inline QString CommandText(const char* text) {
    return QCoreApplication::translate("Commands", text);
}

// Tool-bar buttons that a separator follows: Save | Redo | Print | Delete transponder | Delete program |
// Channel List.
inline constexpr int kToolBarSeparatorsAfter[] = {3, 5, 6, 8, 10, 12};
inline constexpr int kToolBarButtons = 13;
