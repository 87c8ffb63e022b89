#pragma once
// Cartoon pieces for the entrance, house and room pictures: people, doors,
// windows, garden things, the help and back buttons, and the lit picture
// of a hot spot cut from its scene.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace tavrio::assets {

struct cPersonLook {
    QColor skin{255, 214, 178};
    QColor hair{110, 70, 30};
    QColor shirt{80, 140, 220};
    QColor trousers{60, 70, 110};
    enum Hair { Short, Bun, Cap, Curly } hairStyle = Short;
    bool glasses = false;
    bool moustache = false;
};

// The two pupils who greet the learner on the intro and the login screen:
// the boy with the red cap and the girl with curly hair (of `hair` colour).
cPersonLook boyWithCap();
cPersonLook curlyGirl(QColor hair);
// Grandma: grey hair in a bun, glasses, a purple blouse; in the house and
// in her own exercise.
cPersonLook grandmaLook();

// A friendly person standing on `feet` (bottom centre), `height` pixels tall.
void drawPerson(QPainter& p, QPointF feet, qreal height, const cPersonLook& look);
// A smiling face in `box` (used for people and characters).
void drawFace(QPainter& p, const QRectF& box, const cPersonLook& look);
// A door with a round window and a sign above it.
void drawDoor(QPainter& p, const QRect& box, QColor colour, const QString& sign);
void drawWindow(QPainter& p, const QRect& box, QColor sky = QColor(170, 220, 255));
void drawCloud(QPainter& p, QPointF centre, qreal size);
void drawSun(QPainter& p, QPointF centre, qreal radius);
void drawTree(QPainter& p, QPointF foot, qreal height);
void drawFlower(QPainter& p, QPointF foot, QColor petals);
// Vertical gradient from top colour to bottom colour.
void fillGradient(QPainter& p, const QRect& box, QColor top, QColor bottom);
// The 800 x 600 sky and grass of the entrance, with its horizon; on a large
// screen the entrance window continues them to the screen's edges, so every
// outdoor picture shown over it uses them too.
void paintSkyAndGrass(QPainter& p);
// Wooden planks of a floor or wall.
void drawPlanks(QPainter& p, const QRect& box, QColor wood, bool vertical);

// The round "?" button and the green back arrow of the menu windows.
void drawHelpIcon(QPainter& p, const QRect& box);
void drawBackArrow(QPainter& p, const QRect& box);
// A small hint sign with the name of the place or game.
void drawSign(QPainter& p, const QRect& box, const QString& text);

// Notes the box of every sign drawn on this thread while it lives, so the
// lit pictures of a scene show its signs whole, in front of the golden rim.
class cSignBoxes {
public:
    cSignBoxes();
    ~cSignBoxes();
    cSignBoxes(const cSignBoxes&) = delete;
    cSignBoxes& operator=(const cSignBoxes&) = delete;
    void add(const QRect& box) { boxes_.push_back(box); }
    const std::vector<QRect>& boxes() const { return boxes_; }

private:
    std::vector<QRect> boxes_;
    cSignBoxes* outer_;
};

// The lit picture of the area `r` of `scene`: brighter, with a golden rim;
// the parts of `signs` inside it stay as the scene has them.
QImage litCut(const QImage& scene, const QRect& r, const std::vector<QRect>& signs = {});

struct cHotSpotArt {
    const char* name;
    QRect rect;
};
// Saves "BG\\<scene>.bmp" and the lit picture of every hot spot.
bool saveScene(const QString& dir, const QImage& scene, const char* sceneName, const std::vector<cHotSpotArt>& spots,
               const cSignBoxes& signs);

} // namespace tavrio::assets
