#include "start/SettingsPage.h"

#include "engine/Session.h"
#include "start/Layout.h"
#include "start/StartScreen.h"
#include "ui/Assets.h"
#include "ui/PictureArea.h"
#include "ui/Seams.h"
#include "ui/Windows.h"

#include <QEvent>
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
    focusRing_->setStyleSheet(QStringLiteral("background: #1e50b4; border-radius: 4px;"));
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
    label->setGeometry(bar.left(), top, bar.width(), 24);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
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

// Captions spread evenly under the bar, the first flush left, the last
// flush right.
void cSettingsPage::addScaleLabels(const QStringList& captions, const QRect& bar, int top, const QString& prefix)
{
    const int n = int(captions.size());
    for (int i = 0; i < n; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setObjectName(prefix + QString::number(i + 1));
        // Wide enough for the whole caption in the page's font.
        const int width = qMax(200, label->fontMetrics().horizontalAdvance(captions[i]) + 8);
        const int centre = bar.left() + (n > 1 ? bar.width() * i / (n - 1) : bar.width() / 2);
        int left = centre - width / 2;
        Qt::Alignment align = Qt::AlignHCenter;
        if (i == 0) {
            left = bar.left();
            align = Qt::AlignLeft;
        } else if (i == n - 1) {
            left = bar.right() - width + 1;
            align = Qt::AlignRight;
        }
        label->setGeometry(left, top, width, 22);
        label->setAlignment(align | Qt::AlignTop);
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
