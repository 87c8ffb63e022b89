#include "start/SettingsPage.h"

#include "engine/Session.h"
#include "start/Layout.h"
#include "start/StartScreen.h"
#include "ui/Assets.h"
#include "ui/Look.h"
#include "ui/PictureArea.h"
#include "ui/Seams.h"
#include "ui/Windows.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>

namespace tavrio {

namespace L = layout::start;

namespace {
QScrollBar* settingBar(const QString& name, const QRect& geometry, QWidget* parent)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setGeometry(geometry);
    bar->setRange(0, 100);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setFocusPolicy(Qt::StrongFocus);
    // Left, Page Down and Home lower the value; a scroll bar's default
    // turns the keys round.
    bar->setInvertedControls(false);
    return bar;
}
} // namespace

namespace {
QString points(int n) { return n == 1 ? QStringLiteral("1 Punkt") : QStringLiteral("%1 Punkte").arg(n); }
} // namespace

QString intensityMeaning(int intensity)
{
    const cSession::LearningSteps steps = cSession::StepsFor(std::uint32_t(qMax(0, intensity)), 0);
    const int n = steps.rightAnswersToEasy;
    if (n == 0)
        return QStringLiteral("Hier bringt eine richtige Antwort keine Punkte: kein Wort wird \u201eLeicht\u201c.");
    return QStringLiteral("Ein neues Wort ist nach %1 richtigen Antwort%2 \u201eLeicht\u201c "
                          "(jede richtige Antwort bringt %3).")
        .arg(n)
        .arg(n == 1 ? QString() : QStringLiteral("en"))
        .arg(points(steps.reward));
}

QString strictnessMeaning(int intensity, int strictness)
{
    const cSession::LearningSteps steps =
        cSession::StepsFor(std::uint32_t(qMax(0, intensity)), std::uint32_t(qMax(0, strictness)));
    if (steps.penalty == 0)
        return QStringLiteral("Eine falsche Antwort kostet keine Punkte.");
    const int rights = steps.penalty / steps.reward; // a penalty is a multiple of the reward
    return QStringLiteral("Eine falsche Antwort nimmt %1 weg, so viel wie %2.")
        .arg(points(steps.penalty),
             rights == 1 ? QStringLiteral("eine richtige bringt")
                         : QStringLiteral("%1 richtige bringen").arg(rights));
}

cSettingsPage::cSettingsPage(TFormStart* owner)
    : owner_(owner)
{
    setObjectName(QStringLiteral("TabSheet6"));
    Image7 = new cPictureArea(QStringLiteral("Image7"), QRect(0, 0, 800, 600), this);
    setPageFont(this);

    WieIntensivWert = settingBar(QStringLiteral("WieIntensivWert"), L::intensityBar, this);
    WieHartBestraft = settingBar(QStringLiteral("WieHartBestraft"), L::strictnessBar, this);
    addScaleLabels({QStringLiteral("auffrischen (4x Richtig)"), QStringLiteral("intensiv (50x Richtig)"),
                    QStringLiteral("sehr intensiv (100x Richtig)")},
                   L::intensityBar, L::intensityLabelsTop, QStringLiteral("IntensivLabel"));
    addScaleLabels({QStringLiteral("ohne Folgen"), QStringLiteral("normal"), QStringLiteral("hart"),
                    QStringLiteral("sehr hart")},
                   L::strictnessBar, L::strictnessLabelsTop, QStringLiteral("HartLabel"));

    // Drawn behind the bar that has the focus.
    focusRing_ = new QWidget(this);
    focusRing_->setObjectName(QStringLiteral("Fokusrahmen"));
    setStyleSheetWhenShown(focusRing_, QStringLiteral("background: #1e50b4; border-radius: 4px;"));
    focusRing_->hide();
    for (QScrollBar* bar : {WieIntensivWert, WieHartBestraft}) {
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::valueChanged, this, &cSettingsPage::updateMeanings);
    }
    intensityMeaning_ = addMeaningLine(QStringLiteral("IntensivBedeutung"), L::intensityBar, L::intensityMeaningTop);
    strictnessMeaning_ = addMeaningLine(QStringLiteral("HartBedeutung"), L::strictnessBar, L::strictnessMeaningTop);
    updateMeanings();

    Label20 = new cPictureArea(QStringLiteral("Label20"), L::saveButton, this);
    Label20->setToolTip(QStringLiteral("Einstellungen speichern"));
    Label20->setKeyReachable();
    connect(Label20, &cPictureArea::clicked, this, &cSettingsPage::Label20Click);
    Label21 = new cPictureArea(QStringLiteral("Label21"), L::backButton, this);
    Label21->setToolTip(QStringLiteral("Zurück, ohne zu speichern"));
    Label21->setKeyReachable();
    connect(Label21, &cPictureArea::clicked, this, &cSettingsPage::Label21Click);
}

QLabel* cSettingsPage::addMeaningLine(const QString& name, const QRect& bar, int top)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    // Two lines wide as the panel, so a long meaning wraps instead of being cut.
    label->setGeometry(bar.left() - L::kScaleOverhang, top, bar.width() + 2 * L::kScaleOverhang, 44);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setItalic(true);
    label->setFont(f);
    return label;
}

void cSettingsPage::updateMeanings()
{
    intensityMeaning_->setText(intensityMeaning(WieIntensivWert->value()));
    strictnessMeaning_->setText(strictnessMeaning(WieIntensivWert->value(), WieHartBestraft->value()));
}

bool cSettingsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        auto* bar = static_cast<QWidget*>(watched);
        focusRing_->setGeometry(bar->geometry().adjusted(-4, -4, 4, 4));
        focusRing_->show();
        focusRing_->stackUnder(bar);
    } else if (event->type() == QEvent::FocusOut) {
        focusRing_->hide();
    }
    return QWidget::eventFilter(watched, event);
}

// Captions under the bar, each as wide as its text: the first flush left,
// the last flush right, the others centred on their points of the bar. One
// that would run into its left neighbour moves right; then, from the right,
// one that would run into its right neighbour moves left, staying within the
// drawn panel (kScaleOverhang beside the bar). Captions too wide for that
// together take a smaller font.
void cSettingsPage::addScaleLabels(const QStringList& captions, const QRect& bar, int top, const QString& prefix)
{
    constexpr int kGap = 12;
    const int n = int(captions.size());
    const QRect span = bar.adjusted(-L::kScaleOverhang, 0, L::kScaleOverhang, 0);
    QList<QLabel*> labels;
    for (int i = 0; i < n; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setObjectName(prefix + QString::number(i + 1));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        labels << label;
    }
    QFont font = labels.isEmpty() ? this->font() : labels.first()->font();
    QList<int> lefts(n);
    const int startPixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    for (int px = qMax(startPixels, 10); px >= 10; --px) {
        font.setPixelSize(px);
        const QFontMetrics metrics(font);
        for (int i = 0; i < n; ++i) {
            labels[i]->resize(metrics.horizontalAdvance(captions[i]) + 4, 22);
            const int centre = bar.left() + (n > 1 ? bar.width() * i / (n - 1) : bar.width() / 2);
            lefts[i] = i == 0 ? bar.left() : i == n - 1 ? bar.right() + 1 - labels[i]->width()
                                                        : centre - labels[i]->width() / 2;
            if (i > 0)
                lefts[i] = qMax(lefts[i], lefts[i - 1] + labels[i - 1]->width() + kGap);
        }
        int right = span.right() + 1;
        for (int i = n - 1; i >= 0; --i) {
            lefts[i] = qMin(lefts[i], right - labels[i]->width());
            right = lefts[i] - kGap;
        }
        if (n == 0 || lefts[0] >= span.left())
            break;
    }
    for (int i = 0; i < n; ++i) {
        labels[i]->setFont(font);
        labels[i]->move(lefts[i], top);
    }
}

void cSettingsPage::enter()
{
    Image7->setPixmap(loadPicture(QStringLiteral("BG\\Einstellungen.bmp")));
    if (const cSession* s = session()) {
        WieIntensivWert->setValue(int(s->GetIntensity()));
        WieHartBestraft->setValue(int(s->GetStrictness()));
    }
}

void cSettingsPage::releaseBackground() { Image7->clear(); }

void cSettingsPage::Label20Click()
{
    owner_->switchPage(TFormStart::ListSelectionPage);
    if (cSession* s = session()) {
        s->SetLearningSettings(std::uint32_t(WieIntensivWert->value()), std::uint32_t(WieHartBestraft->value()));
        if (!s->SaveConfig())
            showMessage(QStringLiteral("Die Einstellungen konnten nicht in \"config.ini\" gespeichert werden.\r\n"
                                       "Sie gelten aber, bis Tavrio beendet wird."));
    }
    owner_->PageControl1Changing();
}

void cSettingsPage::Label21Click() { owner_->showPage(TFormStart::ListSelectionPage); }

} // namespace tavrio
