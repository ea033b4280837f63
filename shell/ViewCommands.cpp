// The one table of the command families that live beside the view.
#include "shell/Commands.h"
#include "shell/DialogCommands.h"

template <class Command> static void Add(ViewCommandTable& table, CommandId id, EditorView& view) {
    table.emplace(id, std::make_unique<Command>(view));
}

ViewCommandTable MakeViewCommands(EditorView& view) {
    ViewCommandTable table;
    Add<ExportChannelListCommand>(table, ID_FILE_EXPORT_CHANNEL_LIST, view);
    Add<ModificationDateCommand>(table, ID_FILE_MODIFICATION_DATE, view);
    Add<RestoreChannelListCommand>(table, ID_EDIT_RESTORE_CHANNEL_LIST, view);
    Add<ChannelListCommand>(table, ID_VIEW_CHANNEL_LIST, view);
    Add<ImportSatcodxCommand>(table, ID_SATELLITE_IMPORT_SATCODX, view);
    Add<ApplyOrderCommand>(table, ID_TOOLS_APPLY_ORDER, view);
    Add<CleanUpCommand>(table, ID_TOOLS_CLEAN_UP, view);
    Add<CompareCommand>(table, ID_TOOLS_COMPARE, view);
    return table;
}
