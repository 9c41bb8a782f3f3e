#pragma once
// Our artwork: the digit strip, the parts sheet, the score-board backgrounds, the result cards, the
// prompt and the chart backdrop, drawn with Qt at the sizes and places the program reads them.
#include <QImage>
#include <QString>
#include <map>

// Every picture by its file name ("numbering.png", "plane_qu.png", …).
std::map<QString, QImage> makeArtwork();
