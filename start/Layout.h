#pragma once
// Where the start screen's controls and drawn buttons sit on its 800 x 600
// pages. The picture generator paints the drawn buttons at these places, so
// the transparent labels that cover them line up.
#include <QRect>

namespace tavrio::layout::start {

// "Zum Eingang" on the login and the list selection page, left of the panel.
inline constexpr QRect toEntrance{10, 120, 132, 34};

// Login page ("BG\\Start.bmp")
inline constexpr QRect profileBox{250, 250, 300, 32};
inline constexpr QRect nameLabel{250, 300, 300, 24};
inline constexpr QRect nameEdit{250, 326, 300, 32};
inline constexpr QRect createButton{350, 366, 200, 34};
inline constexpr QRect loginButton{230, 428, 340, 60};   // drawn "Und los gehts ..."
inline constexpr QRect quitButton{630, 530, 150, 50};    // drawn "Beenden"

// List selection page ("BG\\Vokabelauswahl.bmp")
inline constexpr QRect listBox{180, 120, 440, 330};
inline constexpr QRect startButton{580, 515, 190, 66};   // drawn "Los gehts"
inline constexpr QRect editorButton{120, 535, 270, 36};
inline constexpr QRect settingsButton{405, 535, 150, 36};
inline constexpr QRect backArrow{20, 520, 80, 66};

// Settings page ("BG\\Einstellungen.bmp")
inline constexpr QRect intensityBar{100, 200, 600, 26};
inline constexpr QRect strictnessBar{100, 370, 600, 26};
inline constexpr int intensityLabelsTop = 232;
inline constexpr int strictnessLabelsTop = 402;
// The captions under a bar may reach this far beside it, inside the drawn panel.
inline constexpr int kScaleOverhang = 30;
inline constexpr int intensityMeaningTop = 258;   // plain words under each bar
inline constexpr int strictnessMeaningTop = 428;
inline constexpr QRect saveButton{560, 515, 200, 62};    // drawn "Speichern"
inline constexpr QRect backButton{40, 515, 200, 62};     // drawn "Zurück"

} // namespace tavrio::layout::start

class QWidget;
namespace tavrio {
// The pages' controls use a larger, child-friendly font.
void setPageFont(QWidget* page);
}
