#include "shell/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resource file lives in a static library; naming its initialiser keeps
// the linker from dropping it.
static void initResources() { Q_INIT_RESOURCE(melibron); }

QIcon programIcon() {
  initResources();
  // Rendered here rather than by an icon plug-in, which may be missing.
  QSvgRenderer renderer(QStringLiteral(":/melibron/melibron.svg"));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
