// "Show library items": the ten symbols of one library shown in the window,
// each fitted into a cell of a grid with its number and name, and the first
// of them dumped to the file "vectorlist".
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

class Interaction;
class MessageSink;
class QWidget;

// The cells of the library display's ten symbols for a client area of that
// size: a grid as wide as fits (ten columns at most), none overlapping.
std::vector<QRect> libraryDisplayCells(QSize client);

class LibraryDisplay {
 public:
  // Draws into a copy of blank, an image of the screen's size.
  explicit LibraryDisplay(QImage blank) : image_(std::move(blank)) {}

  // Asks for a library with the Library Items dialog over parent; on OK
  // draws it for a client area of viewport's size and shows it there at
  // once, then tells of the vectorlist and writes it. Cancel shows and
  // writes nothing.
  void showChosen(QWidget* parent, QWidget* viewport, Interaction& ui, bool smoothEdges);
  // The display stands until the next change of the window's content.
  bool shown() const { return shown_; }
  void hide() { shown_ = false; }
  const QImage& image() const { return image_; }
  int library() const { return library_; }

 private:
  void render(QSize client, bool smoothEdges);
  void writeVectorList(MessageSink& messages) const;

  QImage image_;
  bool shown_ = false;
  int library_ = 0;
};
