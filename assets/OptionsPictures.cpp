// Pictures of the options window: the background with a panel behind each
// section and a toolbox in the free corner, and its help page.
#include "Drawing.h"
#include "Painters.h"
#include "ShellDrawing.h"

#include "tools/options/OptionsLayout.h"

#include <QPainter>
#include <QPainterPath>

namespace tavrio::assets {
namespace {

namespace L = tavrio::layout::options;

void drawPanel(QPainter& p, const QRect& box)
{
    p.setPen(QPen(QColor(220, 140, 40), 4));
    p.setBrush(QColor(255, 252, 240, 235));
    p.drawRoundedRect(box, 20, 20);
}

// An open red toolbox with a spanner and a screwdriver sticking out.
void drawToolbox(QPainter& p, const QRect& box)
{
    const QRect body(box.left(), box.top() + box.height() / 3, box.width(), box.height() * 2 / 3);
    // Screwdriver: yellow handle, grey shaft.
    p.setPen(QPen(QColor(120, 120, 130), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPoint(body.left() + 50, body.top() + 10), QPoint(body.left() + 86, box.top() + 4));
    p.setPen(QPen(QColor(160, 110, 0), 2));
    p.setBrush(QColor(250, 200, 40));
    p.drawRoundedRect(QRect(body.left() + 34, body.top() - 8, 26, 34), 8, 8);
    // Spanner: a grey bar with an open ring at its end.
    p.setPen(QPen(QColor(110, 110, 120), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPoint(body.right() - 60, body.top() + 10), QPoint(body.right() - 30, box.top() + 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 120));
    p.drawEllipse(QPoint(body.right() - 28, box.top() + 14), 16, 16);
    p.setBrush(QColor(255, 252, 240));
    p.drawPie(QRect(body.right() - 38, box.top(), 20, 24), 30 * 16, 120 * 16);
    // The box with its handle and lid edge.
    p.setPen(QPen(QColor(120, 20, 20), 3));
    p.setBrush(QColor(220, 50, 40));
    p.drawRoundedRect(body, 10, 10);
    p.setBrush(QColor(190, 35, 30));
    p.drawRect(QRect(body.left(), body.top() + 18, body.width(), 12));
    p.setBrush(QColor(230, 230, 235));
    p.drawRoundedRect(QRect(body.center().x() - 16, body.top() + 20, 32, 12), 4, 4);
}

QImage optionsBackground()
{
    QImage img = canvas(800, 600, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, area(img), QColor(200, 230, 255), QColor(255, 225, 170));
    drawCloud(p, QPointF(80, 44), 26);
    drawCloud(p, QPointF(720, 50), 30);
    drawPanel(p, L::filePanel);
    drawPanel(p, L::switchPanel);
    drawToolbox(p, L::toolbox);
    // A gear above the toolbox.
    p.setPen(QPen(QColor(90, 100, 120), 3));
    p.setBrush(QColor(160, 170, 190));
    const QPointF gear(L::toolbox.center().x(), L::switchPanel.top() + 64);
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(gear.x(), gear.y());
        t.rotate(i * 45);
        teeth.addPolygon(t.map(QPolygonF(QRectF(-8, -40, 16, 16))));
    }
    p.drawPath(teeth.simplified());
    p.drawEllipse(gear, 30, 30);
    p.setBrush(QColor(255, 252, 240));
    p.drawEllipse(gear, 11, 11);
    p.end();
    return img;
}

} // namespace

bool paintOptions(const QString& dir)
{
    bool ok = savePicture(optionsBackground(), dir, QStringLiteral("BG\\Optionen.bmp"));
    ok = paintHelpPicture(dir, QStringLiteral("Hilfe\\Optionen.bmp"), QStringLiteral("Optionen"),
                          {QStringLiteral("Mit \"andere Datei auswählen\" bestimmst du die Vokabeldatei, die alle "
                                          "Lernspiele anzeigen."),
                           QStringLiteral("\"Datei editieren\" öffnet den Vokabel-Editor für diese Datei."),
                           QStringLiteral("Hake \"Spicker einschalten\" an, dann verrät dir der Spicker-Knopf im "
                                          "Spiel die Buchstaben der Lösung."),
                           QStringLiteral("\"Einzelabfrage starten\" fragt dich die angehakten Wörter der Datei ab."),
                           QStringLiteral("In den \"Grammatik-Notizen\" schreibst du dir Regeln auf."),
                           QStringLiteral("\"Zurück\" (oder die Esc-Taste) bringt dich zum Eingang.")}) &&
         ok;
    return ok;
}

} // namespace tavrio::assets
