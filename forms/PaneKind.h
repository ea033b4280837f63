// What the edit bar shows; also tells the editor view whether a database is on screen.
#pragma once

enum PaneKind { PANE_EMPTY = 0, PANE_NETWORK = 1, PANE_TRANSPONDER = 2, PANE_PROGRAM = 3 };
