#include "start/SettingsPage.h"

#include "engine/Session.h"
#include "start/Layout.h"
#include "start/StartScreen.h"
#include "ui/Assets.h"
#include "ui/PictureArea.h"
#include "ui/Seams.h"
#include "ui/Windows.h"

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
    return bar;
}
} // namespace

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

    Label20 = new cPictureArea(QStringLiteral("Label20"), L::saveButton, this);
    Label20->setToolTip(QStringLiteral("Einstellungen speichern"));
    Label20->setCursor(Qt::PointingHandCursor);
    connect(Label20, &cPictureArea::clicked, this, &cSettingsPage::Label20Click);
    Label21 = new cPictureArea(QStringLiteral("Label21"), L::backButton, this);
    Label21->setToolTip(QStringLiteral("Zurück, ohne zu speichern"));
    Label21->setCursor(Qt::PointingHandCursor);
    connect(Label21, &cPictureArea::clicked, this, &cSettingsPage::Label21Click);
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
