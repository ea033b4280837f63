// The core's status messages in the user's language.
#pragma once

#include <QString>

// StatusMessage(status), translated.
QString StatusText(int status);
