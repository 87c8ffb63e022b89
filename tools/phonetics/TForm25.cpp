#include "tools/phonetics/TForm25.h"

#include "engine/ListFile.h"
#include "tools/phonetics/PhoneticSigns.h"
#include "tools/vocabeditor/TForm3.h"
#include "ui/Frame.h"
#include "ui/Look.h"
#include "ui/Navigation.h"
#include "ui/Seams.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/Windows.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <utility>

using namespace tavrio;

namespace {
// Sign buttons are 49 x 49 pixels, 14 to a row, 1 pixel apart.
constexpr int kSignSize = 49;
constexpr int kSignsPerRow = 14;
constexpr QPoint kSignsAt{50, 170};
constexpr int kCaptionPixels = 40;
constexpr int kSignRole = Qt::UserRole;

// The caption at 40 pixels, smaller where two wide glyphs would not fit the
// 49-pixel button.
QFont signFont(const QString& caption)
{
    int px = kCaptionPixels;
    QFont f = phoneticFont(px);
    while (px > 20 && QFontMetrics(f).horizontalAdvance(caption) > kSignSize - 6)
        f = phoneticFont(--px);
    return f;
}

// Widgets in reading order: top to bottom, then left to right.
QList<QWidget*> rowByRow(QList<QWidget*> widgets)
{
    std::stable_sort(widgets.begin(), widgets.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return widgets;
}
} // namespace

TForm25::TForm25(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TForm25"));
    setWindowTitle(QStringLiteral("Lautschrift"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 250, 235));
    setPalette(pal);
    makeFixedBorderless(this, QSize(800, 600));

    namedLabel(QStringLiteral("Original :"), "Label4", QPoint(50, 25), this);
    Original = namedEdit(QStringLiteral("Uebersetzung"), "Original", QRect(170, 20, 300, 28), this);
    namedLabel(QStringLiteral("Übersetzung :"), "Label1", QPoint(50, 61), this);
    Uebersetzung = namedEdit(QStringLiteral("Uebersetzung"), "Uebersetzung", QRect(170, 56, 300, 28), this);
    namedLabel(QStringLiteral("Lautschrift :"), "Label2", QPoint(50, 109), this);
    Lautschrift = new cPhoneticEdit(QStringLiteral("Lautschrift"), this, 28);
    Lautschrift->setGeometry(170, 94, 300, 48);
    Label3 = new QLabel(fromPhonetic("=hj"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(490, 94, 90, 48);
    Label3->setFont(phoneticFont(28));

    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(600, 20, 150, 122);
    ListBox2->setFont(phoneticFont(18));
    ListBox2->setFocusPolicy(Qt::NoFocus);
    setVisibleFrame(ListBox2);

    const auto signs = phonetics::Signs();
    QList<QWidget*> signButtons;
    for (std::size_t i = 0; i < signs.size(); ++i) {
        const phonetics::cSign& s = signs[i];
        const std::string bytes(s.bytes);
        const QString caption = fromPhonetic(bytes);
        const int col = int(i) % kSignsPerRow;
        const int row = int(i) / kSignsPerRow;
        auto* b = namedButton(caption, s.button,
                         QRect(kSignsAt.x() + col * (kSignSize + 1), kSignsAt.y() + row * (kSignSize + 1),
                               kSignSize, kSignSize),
                         this);
        b->setFont(phoneticFont(kCaptionPixels));
        b->setToolTip(fromAnsi(s.hint));
        b->setAccessibleName(fromAnsi(s.hint));
        b->setProperty("signBytes", QByteArray::fromStdString(bytes));
        connect(b, &QPushButton::clicked, this, &TForm25::AddSign);
        signButtons << b;
    }

    Button95 = namedButton(QStringLiteral("Letzter Weg"), "Button95", QRect(50, 490, 150, 34), this);
    connect(Button95, &QPushButton::clicked, this, &TForm25::Button95Click);
    Button2 = namedButton(QStringLiteral("Abspielen"), "Button2", QRect(220, 490, 150, 34), this);
    connect(Button2, &QPushButton::clicked, this, &TForm25::Button2Click);
    Button1 = namedButton(QStringLiteral("Schliessen"), "Button1", QRect(600, 540, 150, 34), this);
    connect(Button1, &QPushButton::clicked, this, &TForm25::Button1Click);
    // Tab walks the fields, the signs row by row as they stand, then the
    // buttons below them.
    QList<QWidget*> order{Original, Uebersetzung, Lautschrift};
    order << rowByRow(signButtons) << Button95 << Button2 << Button1;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (const char* hidden : {"Button17", "Button40", "Button94"})
        namedButton(QString(), hidden, QRect(0, 0, 1, 1), this)->hide();
    // One sheet for all sign buttons, and captions too wide for their button
    // made smaller, when the window is first shown: both cost noticeable
    // start-up time.
    setStyleSheetWhenShown(this, QStringLiteral("QPushButton[signBytes] { padding: 0px; }"));
    whenFirstShown(this, [this] {
        for (QPushButton* b : findChildren<QPushButton*>())
            if (b->property("signBytes").isValid())
                b->setFont(signFont(b->text()));
    });
}

void TForm25::openFrom(QWidget* opener, PhoneticHandBack handBack)
{
    opener_ = opener;
    handBack_ = std::move(handBack);
    openWindow(opener, this);
}

void TForm25::setTexts(const QString& original, const QString& translation, const std::string& phonetic)
{
    Lautschrift->setBytes(phonetic);
    Uebersetzung->setText(translation);
    Original->setText(original);
}

const std::string& TForm25::transcription() const { return Lautschrift->bytes(); }

void TForm25::AddSign()
{
    const QObject* sign = sender();
    if (!sign)
        return;
    Lautschrift->setBytes(Lautschrift->bytes() + sign->property("signBytes").toByteArray().toStdString());
}

void TForm25::Button95Click()
{
    std::string t = Lautschrift->bytes();
    if (t.empty())
        return;
    t.pop_back();
    Lautschrift->setBytes(t);
}

void TForm25::Button2Click()
{
    ListBox2->clear();
    const auto pieces = phonetics::SplitForPlayback(
        Lautschrift->bytes(), [](std::string_view p) { return FileExists(phonetics::SoundName(p)); });
    for (const std::string& p : pieces) {
        auto* item = new QListWidgetItem(fromPhonetic(p), ListBox2);
        item->setData(kSignRole, QByteArray::fromStdString(p));
    }
    // A new playback replaces one still running.
    playing_ = true;
    playNext(++generation_);
}

void TForm25::playNext(unsigned generation)
{
    if (generation != generation_)
        return;
    if (ListBox2->count() == 0) {
        playing_ = false;
        emit playbackFinished();
        return;
    }
    QListWidgetItem* first = ListBox2->takeItem(0);
    const std::string piece = first->data(kSignRole).toByteArray().toStdString();
    delete first;
    const QString path =
        QDir::current().absoluteFilePath(QString::fromStdU16String(DiskPath(phonetics::SoundName(piece)).u16string()));
    seams().sound->playWav(path, [this, generation] { playNext(generation); });
}

void TForm25::Button1Click()
{
    close();
    const std::string phonetic = Lautschrift->bytes();
    if (windows().form3)
        windows().form3->takeFromPhonetic(Original->text(), Uebersetzung->text(), phonetic);
    if (handBack_) {
        auto handBack = std::move(handBack_);
        handBack_ = nullptr;
        handBack(phonetic);
    }
}

void TForm25::closeEvent(QCloseEvent* event)
{
    // Pieces still queued are not played once the window is gone.
    ++generation_;
    playing_ = false;
    ListBox2->clear();
    event->accept();
    returnTo(nullptr, opener_);
    opener_ = nullptr;
}

void TForm25::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Button1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}
