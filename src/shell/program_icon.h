// The program's icon, drawn from the same picture the desktop entry installs.
#pragma once

#include <QIcon>

// The icon at the usual sizes of title bars, task bars and switchers.
QIcon programIcon();
