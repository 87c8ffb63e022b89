#pragma once
// The owner's table of windows: every window is created once at start-up
// (app/Tavrio.cpp) and reached by the others through this table. Pointers
// are forward-declared here; a window includes the header of a window it
// calls. Layers call downwards only (app -> start/tools/exercises -> ui).
#include <memory>

class cSession;
class QWidget;
class TForm1; class TFormStart; class TForm2; class TForm3; class TForm4; class TForm5;
class TForm6; class TForm8; class TForm9; class TForm10; class Tform11; class TForm12;
class TForm13; class TForm14; class TForm15; class TForm16; class TForm17; class TForm18;
class TForm20; class TForm21; class TForm22; class TForm23; class TForm24; class TForm25;

namespace tavrio {

struct cWindows {
    TForm1* form1 = nullptr;
    TFormStart* formStart = nullptr;
    TForm2* form2 = nullptr;
    TForm3* form3 = nullptr;
    TForm4* form4 = nullptr;
    TForm5* form5 = nullptr;
    TForm6* form6 = nullptr;
    TForm8* form8 = nullptr;
    TForm9* form9 = nullptr;
    TForm10* form10 = nullptr;
    Tform11* form11 = nullptr;
    TForm12* form12 = nullptr;
    TForm13* form13 = nullptr;
    TForm14* form14 = nullptr;
    TForm15* form15 = nullptr;
    TForm16* form16 = nullptr;
    TForm17* form17 = nullptr;
    TForm18* form18 = nullptr;
    TForm20* form20 = nullptr;
    TForm21* form21 = nullptr;
    TForm22* form22 = nullptr;
    TForm23* form23 = nullptr;
    TForm24* form24 = nullptr;
    TForm25* form25 = nullptr;
    // The entrance screen as a plain widget, for layers that may not include
    // its header (the single query returns to it).
    QWidget* entrance = nullptr;
};

cWindows& windows();

// The one learner session; null before the first login.
cSession* session();
void setSession(std::unique_ptr<cSession> s);

} // namespace tavrio
