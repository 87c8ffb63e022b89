#include "Drawing.h"
#include "ShellDrawing.h"
#include "ShellScenes.h"
#include "start/Layout.h"

#include <QPainter>

namespace tavrio::assets {

namespace {

// A friendly backdrop shared by the start screen's pages: a soft sky with
// the title and a white panel for the controls.
QImage backdrop(const QString& title, const QRect& panel)
{
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, area(img), QColor(255, 235, 160), QColor(255, 190, 120));
    // The clouds float beside the title; a title too wide for that pushes
    // them below its line (its letters end about 72 units down), above the
    // controls that start at y 120.
    const qreal half = captionWidth(title, 44) / 2;
    const bool leftFits = 90 + 1.45 * 30 + 8 < 400 - half;
    const bool rightFits = 700 - 1.4 * 36 - 8 > 400 + half;
    drawCloud(p, leftFits ? QPointF(90, 60) : QPointF(80, 100), leftFits ? 30 : 26);
    drawCloud(p, rightFits ? QPointF(700, 90) : QPointF(704, 100), rightFits ? 36 : 30);
    drawCaption(p, QRect(0, 20, 800, 70), title, 44, QColor(140, 50, 0));
    p.setPen(QPen(QColor(220, 140, 40), 5));
    p.setBrush(QColor(255, 252, 240));
    p.drawRoundedRect(panel, 24, 24);
    p.end();
    return img;
}

bool paintLogin(const QString& dir)
{
    namespace L = layout::start;
    QImage img = backdrop(QStringLiteral("Willkommen bei Tavrio!"), QRect(200, 150, 400, 360));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawCaption(p, QRect(200, 170, 400, 60), QStringLiteral("Wer lernt heute?"), 30, QColor(90, 60, 20));
    drawPerson(p, QPointF(110, 560), 200, boyWithCap());
    drawPerson(p, QPointF(690, 500), 170, curlyGirl(QColor(60, 40, 20)));
    drawButton(p, L::loginButton, QStringLiteral("Und los gehts ..."), QColor(120, 210, 100));
    drawButton(p, L::quitButton, QStringLiteral("Beenden"), QColor(240, 130, 110));
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Start.bmp"));
}

bool paintListSelection(const QString& dir)
{
    namespace L = layout::start;
    QImage img = backdrop(QStringLiteral("Was willst du heute lernen?"), L::listBox.adjusted(-30, -20, 30, 46));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawCaption(p, QRect(L::listBox.left(), L::listBox.bottom() + 8, L::listBox.width(), 30),
                QStringLiteral("Hake eine oder mehrere Listen an."), 18, QColor(110, 70, 30));
    drawButton(p, L::startButton, QStringLiteral("Los gehts"), QColor(120, 210, 100));
    drawBackArrow(p, L::backArrow);
    // a stack of books on the side
    const QColor books[] = {QColor(220, 70, 60), QColor(60, 130, 220), QColor(250, 190, 40), QColor(90, 180, 90)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(books[i].darker(150), 2));
        p.setBrush(books[i]);
        p.drawRoundedRect(QRect(650 + (i % 2) * 8, 410 - i * 34, 120, 32), 4, 4);
    }
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Vokabelauswahl.bmp"));
}

bool paintSettings(const QString& dir)
{
    namespace L = layout::start;
    QImage img = backdrop(QStringLiteral("Einstellungen"), QRect(60, 120, 680, 360));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawCaption(p, QRect(L::intensityBar.left(), L::intensityBar.top() - 56, L::intensityBar.width(), 44),
                QStringLiteral("Wie intensiv willst du lernen?"), 24, QColor(90, 60, 20));
    drawCaption(p, QRect(L::strictnessBar.left(), L::strictnessBar.top() - 56, L::strictnessBar.width(), 44),
                QStringLiteral("Wie hart sollen Fehler zählen?"), 24, QColor(90, 60, 20));
    drawButton(p, L::saveButton, QStringLiteral("Speichern"), QColor(120, 210, 100));
    drawButton(p, L::backButton, QStringLiteral("Zurück"), QColor(250, 200, 90));
    p.end();
    return savePicture(img, dir, QStringLiteral("BG\\Einstellungen.bmp"));
}

} // namespace

bool paintStartScreen(const QString& dir)
{
    bool ok = paintLogin(dir);
    ok = paintListSelection(dir) && ok;
    return paintSettings(dir) && ok;
}

} // namespace tavrio::assets
