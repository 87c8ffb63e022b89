#include "ShellDrawing.h"

#include "Drawing.h"
#include "app/Layout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace tavrio::assets {

void fillGradient(QPainter& p, const QRect& box, QColor top, QColor bottom)
{
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(box, g);
}

void paintSkyAndGrass(QPainter& p)
{
    namespace L = layout::entrance;
    fillGradient(p, QRect(0, 0, 800, L::horizon), QColor(L::skyTop), QColor(L::skyBottom));
    fillGradient(p, QRect(0, L::horizon, 800, 600 - L::horizon), QColor(L::grassTop), QColor(L::grassBottom));
}

void drawPlanks(QPainter& p, const QRect& box, QColor wood, bool vertical)
{
    p.save();
    p.fillRect(box, wood);
    p.setPen(QPen(wood.darker(135), 2));
    const int step = 28;
    if (vertical) {
        for (int x = box.left(); x < box.right(); x += step)
            p.drawLine(x, box.top(), x, box.bottom());
    } else {
        for (int y = box.top(); y < box.bottom(); y += step / 2 + 4) {
            p.drawLine(box.left(), y, box.right(), y);
            const int offset = ((y / 18) % 2) * 60;
            for (int x = box.left() + offset; x < box.right(); x += 120)
                p.drawLine(x, y, x, y + step / 2 + 4);
        }
    }
    p.restore();
}

void drawFace(QPainter& p, const QRectF& box, const cPersonLook& look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = box.width();
    const qreal h = box.height();
    // hair behind the head
    p.setPen(Qt::NoPen);
    p.setBrush(look.hair);
    if (look.hairStyle != cPersonLook::Cap && look.hairStyle != cPersonLook::Curly)
        p.drawEllipse(box.adjusted(-w * 0.05, -h * 0.06, w * 0.05, -h * 0.3));
    if (look.hairStyle == cPersonLook::Bun)
        p.drawEllipse(QPointF(box.center().x(), box.top() - h * 0.08), w * 0.2, h * 0.16);
    // head
    p.setPen(QPen(look.skin.darker(140), 1.5));
    p.setBrush(look.skin);
    p.drawEllipse(box.adjusted(0, h * 0.08, 0, 0));
    if (look.hairStyle == cPersonLook::Curly) {
        // curls over the top of the head
        p.setPen(Qt::NoPen);
        p.setBrush(look.hair);
        for (int i = 0; i < 6; ++i) {
            const qreal a = M_PI * (0.95 - 0.9 * i / 5.0);
            p.drawEllipse(QPointF(box.center().x() + std::cos(a) * w * 0.42, box.top() + h * 0.5 - std::sin(a) * h * 0.36),
                          w * 0.14, h * 0.14);
        }
    }
    if (look.hairStyle == cPersonLook::Cap) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 50, 50));
        p.drawChord(box.adjusted(-w * 0.02, -h * 0.02, w * 0.02, -h * 0.2), 0, 180 * 16);
        p.drawRoundedRect(QRectF(box.center().x(), box.top() + h * 0.3, w * 0.6, h * 0.1), 4, 4);
    }
    // cheeks, eyes, smile
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 150, 150));
    p.drawEllipse(QPointF(box.left() + w * 0.22, box.top() + h * 0.68), w * 0.1, h * 0.07);
    p.drawEllipse(QPointF(box.right() - w * 0.22, box.top() + h * 0.68), w * 0.1, h * 0.07);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(box.left() + w * 0.33, box.top() + h * 0.52), w * 0.11, h * 0.1);
    p.drawEllipse(QPointF(box.right() - w * 0.33, box.top() + h * 0.52), w * 0.11, h * 0.1);
    p.setBrush(QColor(40, 30, 20));
    p.drawEllipse(QPointF(box.left() + w * 0.35, box.top() + h * 0.53), w * 0.05, h * 0.05);
    p.drawEllipse(QPointF(box.right() - w * 0.31, box.top() + h * 0.53), w * 0.05, h * 0.05);
    if (look.glasses) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 60, 60), qMax<qreal>(1.5, w * 0.03)));
        p.drawEllipse(QPointF(box.left() + w * 0.33, box.top() + h * 0.52), w * 0.15, h * 0.13);
        p.drawEllipse(QPointF(box.right() - w * 0.33, box.top() + h * 0.52), w * 0.15, h * 0.13);
        p.drawLine(QPointF(box.left() + w * 0.48, box.top() + h * 0.5), QPointF(box.right() - w * 0.48, box.top() + h * 0.5));
    }
    if (look.moustache) {
        p.setPen(Qt::NoPen);
        p.setBrush(look.hair.darker(120));
        p.drawEllipse(QPointF(box.center().x() - w * 0.1, box.top() + h * 0.74), w * 0.13, h * 0.05);
        p.drawEllipse(QPointF(box.center().x() + w * 0.1, box.top() + h * 0.74), w * 0.13, h * 0.05);
    }
    p.setPen(QPen(QColor(150, 40, 40), qMax<qreal>(1.5, w * 0.04), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(box.left() + w * 0.3, box.top() + h * 0.6, w * 0.4, h * 0.25), 200 * 16, 140 * 16);
    p.restore();
}

void drawPerson(QPainter& p, QPointF feet, qreal height, const cPersonLook& look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal head = height * 0.3;
    const qreal bodyW = height * 0.34;
    const qreal x = feet.x();
    const qreal top = feet.y() - height;
    // legs and shoes
    p.setPen(Qt::NoPen);
    p.setBrush(look.trousers);
    p.drawRoundedRect(QRectF(x - bodyW * 0.4, feet.y() - height * 0.32, bodyW * 0.33, height * 0.3), 4, 4);
    p.drawRoundedRect(QRectF(x + bodyW * 0.07, feet.y() - height * 0.32, bodyW * 0.33, height * 0.3), 4, 4);
    p.setBrush(QColor(70, 40, 20));
    p.drawEllipse(QRectF(x - bodyW * 0.5, feet.y() - height * 0.05, bodyW * 0.45, height * 0.07));
    p.drawEllipse(QRectF(x + bodyW * 0.05, feet.y() - height * 0.05, bodyW * 0.45, height * 0.07));
    // arms and body
    p.setPen(QPen(look.shirt.darker(130), 1.5));
    p.setBrush(look.shirt);
    p.drawRoundedRect(QRectF(x - bodyW * 0.72, top + head * 1.05, bodyW * 0.28, height * 0.34), 6, 6);
    p.drawRoundedRect(QRectF(x + bodyW * 0.44, top + head * 1.05, bodyW * 0.28, height * 0.34), 6, 6);
    p.drawRoundedRect(QRectF(x - bodyW / 2, top + head * 0.95, bodyW, height * 0.42), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(look.skin);
    p.drawEllipse(QPointF(x - bodyW * 0.58, top + head * 1.05 + height * 0.36), bodyW * 0.13, bodyW * 0.13);
    p.drawEllipse(QPointF(x + bodyW * 0.58, top + head * 1.05 + height * 0.36), bodyW * 0.13, bodyW * 0.13);
    p.restore();
    drawFace(p, QRectF(x - head * 0.5, top, head, head), look);
}

void drawDoor(QPainter& p, const QRect& box, QColor colour, const QString& sign)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // frame with a round top
    QPainterPath frame;
    const QRectF f = QRectF(box).adjusted(0, 30, 0, 0);
    frame.moveTo(f.bottomLeft());
    frame.lineTo(f.left(), f.top() + f.width() / 2);
    frame.arcTo(QRectF(f.left(), f.top(), f.width(), f.width()), 180, -180);
    frame.lineTo(f.bottomRight());
    frame.closeSubpath();
    p.setPen(QPen(QColor(90, 60, 40), 4));
    p.setBrush(QColor(240, 235, 225));
    p.drawPath(frame);
    const QRectF inner = f.adjusted(10, 10, -10, 0);
    QPainterPath leaf;
    leaf.moveTo(inner.bottomLeft());
    leaf.lineTo(inner.left(), inner.top() + inner.width() / 2);
    leaf.arcTo(QRectF(inner.left(), inner.top(), inner.width(), inner.width()), 180, -180);
    leaf.lineTo(inner.bottomRight());
    leaf.closeSubpath();
    QLinearGradient g(inner.topLeft(), inner.topRight());
    g.setColorAt(0, colour.lighter(120));
    g.setColorAt(1, colour.darker(115));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(160), 3));
    p.drawPath(leaf);
    // panels, round window, knob
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(140), 2));
    const qreal pw = inner.width() * 0.32;
    p.drawRoundedRect(QRectF(inner.left() + inner.width() * 0.12, inner.center().y() + 10, pw, inner.height() * 0.32), 6, 6);
    p.drawRoundedRect(QRectF(inner.right() - inner.width() * 0.12 - pw, inner.center().y() + 10, pw, inner.height() * 0.32), 6, 6);
    p.setBrush(QColor(170, 220, 255));
    p.setPen(QPen(QColor(90, 60, 40), 3));
    const qreal wr = inner.width() * 0.22;
    p.drawEllipse(QPointF(inner.center().x(), inner.top() + inner.width() * 0.45), wr, wr);
    p.drawLine(QPointF(inner.center().x() - wr, inner.top() + inner.width() * 0.45),
               QPointF(inner.center().x() + wr, inner.top() + inner.width() * 0.45));
    p.setBrush(QColor(250, 200, 40));
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.drawEllipse(QPointF(inner.right() - inner.width() * 0.16, inner.center().y() + 6), 6, 6);
    p.restore();
    if (!sign.isEmpty())
        drawSign(p, QRect(box.left() + 4, box.top() + 1, box.width() - 8, 27), sign);
}

namespace {
thread_local cSignBoxes* t_signs = nullptr;
} // namespace

cSignBoxes::cSignBoxes()
    : outer_(t_signs)
{
    t_signs = this;
}

cSignBoxes::~cSignBoxes() { t_signs = outer_; }

void drawSign(QPainter& p, const QRect& box, const QString& text)
{
    if (t_signs)
        t_signs->add(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 70, 30), 3));
    p.setBrush(QColor(255, 235, 170));
    p.drawRoundedRect(box, 8, 8);
    p.restore();
    drawCaption(p, box, text, qMin(22, box.height() - 10), QColor(110, 50, 10));
}

void drawWindow(QPainter& p, const QRect& box, QColor sky)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 6));
    fillGradient(p, box, sky.lighter(110), sky.darker(105));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    p.drawLine(box.center().x(), box.top(), box.center().x(), box.bottom());
    p.drawLine(box.left(), box.center().y(), box.right(), box.center().y());
    p.setPen(QPen(QColor(255, 255, 255, 140), 3));
    p.drawLine(box.left() + 8, box.top() + 20, box.left() + 20, box.top() + 8);
    p.restore();
}

void drawCloud(QPainter& p, QPointF c, qreal s)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, s, s * 0.6);
    p.drawEllipse(c + QPointF(-s * 0.8, s * 0.15), s * 0.6, s * 0.45);
    p.drawEllipse(c + QPointF(s * 0.8, s * 0.15), s * 0.65, s * 0.45);
    p.restore();
}

void drawSun(QPainter& p, QPointF c, qreal r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 200, 40), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r * 1.25, c + QPointF(std::cos(a), std::sin(a)) * r * 1.6);
    }
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 250, 150));
    g.setColorAt(1, QColor(255, 200, 40));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r, r);
    p.restore();
}

void drawTree(QPainter& p, QPointF foot, qreal h)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 40));
    p.drawRoundedRect(QRectF(foot.x() - h * 0.06, foot.y() - h * 0.45, h * 0.12, h * 0.45), 4, 4);
    const QColor leaves(70, 160, 60);
    p.setBrush(leaves);
    p.drawEllipse(QPointF(foot.x(), foot.y() - h * 0.65), h * 0.3, h * 0.28);
    p.setBrush(leaves.lighter(115));
    p.drawEllipse(QPointF(foot.x() - h * 0.15, foot.y() - h * 0.55), h * 0.2, h * 0.18);
    p.drawEllipse(QPointF(foot.x() + h * 0.17, foot.y() - h * 0.58), h * 0.2, h * 0.18);
    p.setBrush(QColor(220, 40, 40));
    for (const QPointF d : {QPointF(-0.1, -0.7), QPointF(0.12, -0.75), QPointF(0.05, -0.55), QPointF(-0.18, -0.56)})
        p.drawEllipse(foot + d * h, h * 0.03, h * 0.03);
    p.restore();
}

void drawFlower(QPainter& p, QPointF foot, QColor petals)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 140, 50), 3));
    p.drawLine(foot, foot - QPointF(0, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(petals);
    const QPointF c = foot - QPointF(0, 34);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 7, 6, 6);
    }
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(c, 5, 5);
    p.restore();
}

void drawHelpIcon(QPainter& p, const QRect& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(box.center() - QPoint(8, 8), box.width() * 0.7);
    g.setColorAt(0, QColor(120, 190, 255));
    g.setColorAt(1, QColor(30, 100, 200));
    p.setBrush(g);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(box.adjusted(3, 3, -3, -3));
    p.restore();
    drawCaption(p, box, QStringLiteral("?"), box.height() * 2 / 3, Qt::white);
}

void drawBackArrow(QPainter& p, const QRect& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = QRectF(box).adjusted(4, 6, -4, -6);
    QPainterPath arrow;
    arrow.moveTo(b.left(), b.center().y());
    arrow.lineTo(b.left() + b.width() * 0.45, b.top());
    arrow.lineTo(b.left() + b.width() * 0.45, b.top() + b.height() * 0.28);
    arrow.lineTo(b.right(), b.top() + b.height() * 0.28);
    arrow.lineTo(b.right(), b.bottom() - b.height() * 0.28);
    arrow.lineTo(b.left() + b.width() * 0.45, b.bottom() - b.height() * 0.28);
    arrow.lineTo(b.left() + b.width() * 0.45, b.bottom());
    arrow.closeSubpath();
    p.setPen(QPen(QColor(20, 100, 30), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, QColor(130, 220, 110));
    g.setColorAt(1, QColor(50, 160, 60));
    p.setBrush(g);
    p.drawPath(arrow);
    p.restore();
}

QImage litCut(const QImage& scene, const QRect& r, const std::vector<QRect>& signs)
{
    const qreal scale = scene.devicePixelRatio();
    QImage cut = scene.copy(QRectF(QRectF(r).topLeft() * scale, QRectF(r).size() * scale).toRect())
                     .convertToFormat(QImage::Format_RGB32);
    cut.setDevicePixelRatio(scale);
    const QRectF units(area(cut));
    QPainter p(&cut);
    p.setRenderHint(QPainter::Antialiasing);
    // Brighter inside the rim only, so the corners outside it stay as the
    // scene has them.
    QPainterPath glow;
    glow.addRoundedRect(units, 15, 15);
    p.fillPath(glow, QColor(255, 250, 200, 80));
    p.setPen(QPen(QColor(255, 200, 0), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(units.adjusted(3, 3, -3, -3), 12, 12);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.drawRoundedRect(units.adjusted(8, 8, -8, -8), 9, 9);
    // two little sparkles in the corners
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 60));
    for (const QPointF c : {QPointF(16, 16), QPointF(units.width() - 16.0, units.height() - 16.0)}) {
        QPainterPath star;
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            const qreal rr = (i % 2) ? 3.5 : 10;
            const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * rr;
            i == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        p.drawPath(star);
    }
    // Signs hang in front of the rim: their rounded shapes, outline included,
    // come back unlit from the scene.
    QPainterPath shapes;
    for (const QRect& sign : signs)
        shapes.addRoundedRect(QRectF(sign).adjusted(-2, -2, 2, 2), 9, 9);
    if (!shapes.isEmpty()) {
        p.setClipPath(shapes.translated(-QPointF(r.topLeft())));
        p.drawImage(units, scene, QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale));
    }
    p.end();
    return cut;
}

bool saveScene(const QString& dir, const QImage& scene, const char* sceneName, const std::vector<cHotSpotArt>& spots,
               const cSignBoxes& signs)
{
    bool ok = savePicture(scene, dir, QStringLiteral("BG\\%1.bmp").arg(QLatin1String(sceneName)));
    for (const cHotSpotArt& s : spots)
        ok = savePicture(litCut(scene, s.rect, signs.boxes()), dir, layout::litPicture(sceneName, s.name)) && ok;
    return ok;
}

cPersonLook boyWithCap()
{
    cPersonLook look;
    look.hairStyle = cPersonLook::Cap;
    look.shirt = QColor(60, 170, 90);
    return look;
}

cPersonLook curlyGirl(QColor hair)
{
    cPersonLook look;
    look.hairStyle = cPersonLook::Curly;
    look.hair = hair;
    look.shirt = QColor(230, 90, 140);
    return look;
}

cPersonLook grandmaLook()
{
    cPersonLook look;
    look.hair = QColor(220, 220, 225);
    look.hairStyle = cPersonLook::Bun;
    look.glasses = true;
    look.shirt = QColor(170, 80, 170);
    look.trousers = QColor(120, 60, 120);
    return look;
}

} // namespace tavrio::assets
