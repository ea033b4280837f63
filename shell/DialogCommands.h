// The command families beside the view: the dialogs and the import, the export, the tools.
#pragma once

#include "shell/ViewCommand.h"

// File "Modification Date...": the stamp, one undoable step when it changes.
class ModificationDateCommand : public ViewCommand {
public:
    using ViewCommand::ViewCommand;
    void Run() override;
};

// View "Channel List": the dialog on a session of its own, written back at OK as one step.
class ChannelListCommand : public ViewCommand {
public:
    using ViewCommand::ViewCommand;
    void Run() override;
};

// Edit "Restore Discarded Channel List Changes": the Channel List again, with the session the user
// discarded last; possible once, until the next change in the main window.
class RestoreChannelListCommand : public ViewCommand {
public:
    using ViewCommand::ViewCommand;
    void Run() override;
    bool Enabled(PaneKind pane) const override;
};

// Satellite "Import SATCODX...": a listing's transponders into the satellite shown.
class ImportSatcodxCommand : public ViewCommand {
public:
    using ViewCommand::ViewCommand;
    void Run() override;
    bool Enabled(PaneKind pane) const override;
};

// File "Export Channel List...": reads the database only; nothing changes, nothing is a step.
class ExportChannelListCommand : public ViewCommand {
public:
    using ViewCommand::ViewCommand;
    void Run() override;
};

// Tools "Apply Order from File...": the order, favorites and marks of a reference file, one step.
class ApplyOrderCommand : public ViewCommand {
public:
    using ViewCommand::ViewCommand;
    void Run() override;
};

// Tools "Clean Up...": duplicate and broken records, each finding chosen, one step.
class CleanUpCommand : public ViewCommand {
public:
    using ViewCommand::ViewCommand;
    void Run() override;
};

// Tools "Compare with File...": reads both files only.
class CompareCommand : public ViewCommand {
public:
    using ViewCommand::ViewCommand;
    void Run() override;
};
