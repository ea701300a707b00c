#include "art/window_art.h"

#include <QDir>
#include <QFont>

// First pictures: plain placeholders so the window can link while the real drawing grows.

QImage ButtonPicture(const QString&, int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(0, 100, 0));
    return image;
}

QImage TurnArrowPicture(int) {
    QImage image(55, 55, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}

QImage SuitMarkerPicture(int suit) {
    QImage image(suit == 2 ? 60 : 55, suit == 2 ? 57 : 55, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}

QImage WindowIconPicture() {
    QImage image(32, 32, QImage::Format_RGB888);
    image.fill(QColor(0, 100, 0));
    return image;
}

QRgb ArtKeyColour() { return qRgb(255, 0, 255); }

QImage DeckSheet() {
    QImage image(1022, 392, QImage::Format_RGB888);
    image.fill(ArtKeyColour());
    return image;
}

QImage PatternsSheet() {
    QImage image(146, 196, QImage::Format_RGB888);
    image.fill(ArtKeyColour());
    return image;
}

QImage BackgroundSheet() {
    QImage image(640, 480, QImage::Format_RGB888);
    image.fill(QColor(0, 110, 40));
    return image;
}

bool WriteGameArt(const QString& folder) {
    const QDir dir(folder);
    return dir.exists() && DeckSheet().save(dir.filePath("deck.bmp"), "BMP") &&
           PatternsSheet().save(dir.filePath("cardpatterns.bmp"), "BMP") &&
           BackgroundSheet().save(dir.filePath("background.bmp"), "BMP");
}

void InstallFontSubstitutes() {
    QFont::insertSubstitution("Calibri", "Carlito");
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans");
}
