// The editor's command families beside the view: each command is a small class that holds the view,
// runs when its menu item, tool button or key is used, and says when it is enabled. The view keeps
// the document, the apply rule, the title and the tree; the record commands, undo and the file
// commands stay in it. One table (MakeViewCommands) lists every such command by its id.
#pragma once

#include "forms/PaneKind.h"

#include <map>
#include <memory>

class EditorView;

class ViewCommand {
public:
    explicit ViewCommand(EditorView& view) : view_(view) {}
    virtual ~ViewCommand() = default;
    ViewCommand(const ViewCommand&) = delete;
    ViewCommand& operator=(const ViewCommand&) = delete;

    virtual void Run() = 0;
    // Most commands need a record on the pane: a database is open.
    virtual bool Enabled(PaneKind pane) const { return pane != PANE_EMPTY; }

protected:
    EditorView& view_;
};

using ViewCommandTable = std::map<int, std::unique_ptr<ViewCommand>>;

// The export, dialog and tool commands, by command id.
ViewCommandTable MakeViewCommands(EditorView& view);
