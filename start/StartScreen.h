#pragma once
// TFormStart: the start screen, a borderless 800 x 600 window with a page
// control whose tabs are invisible. The program switches pages; after every
// switch PageControl1Changing runs as the routine of the entered page. Esc
// does what the page's back arrow or "Zurück" does.
#include <QWidget>
#include <array>
#include <functional>

class QStackedWidget;

namespace tavrio {
class cLoginPage;
class cListSelectionPage;
class cSettingsPage;
}

class TFormStart : public QWidget {
    Q_OBJECT
public:
    enum PageIndex {
        LoginPage = 0,
        ListEditorPage = 1,
        EngineTestPage = 2,
        ListSelectionPage = 3,
        ExchangePage = 4,
        TextPage = 5,
        SettingsPage = 6,
        PageCount = 7
    };

    explicit TFormStart(QWidget* parent = nullptr);

    // The page's widget (TabSheet1 ... TabSheet6, Tab_Vokabelauswahl), or
    // null for an index out of range. Pages 1, 2, 4 and 5 are containers
    // that their own code fills.
    QWidget* page(int index) const;
    int currentPage() const;
    // Makes the page active, then runs PageControl1Changing.
    void showPage(int index);
    // Makes the page active without running the page-entered routine.
    void switchPage(int index);
    // Routine run by PageControl1Changing when the page is entered (for the
    // pages other code fills).
    void setPageEnteredHandler(int index, std::function<void()> handler);
    // What Esc does on a page that other code fills: its back arrow's
    // routine. The login page has no way back; Esc does nothing there.
    void setPageBackHandler(int index, std::function<void()> handler);

    // The exchange's version query; failures are ignored.
    void setVersionCheck(std::function<void(int)> check);
    void CheckVersion(int version);

    // The program's main window; closing the start screen or quitting on the
    // login page closes it, which ends the program.
    void setMainWindow(QWidget* main) { mainWindow_ = main; }
    void closeMainWindow();
    // The house, which "Los gehts" opens.
    void setHouseWindow(QWidget* house) { house_ = house; }
    QWidget* houseWindow() const { return house_; }
    // The "Zum Eingang" button of a page.
    void addEntranceButton(QWidget* page, const QRect& geometry);

public slots:
    void FormShow();
    void PageControl1Changing();
    void TabSheet1Show();
    // "Zum Eingang": hides the start screen and gives the entrance back,
    // with its doors "Start", "Optionen" and "Ende".
    void ZumEingangClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStackedWidget* PageControl1;
    tavrio::cLoginPage* login_;
    tavrio::cListSelectionPage* lists_;
    tavrio::cSettingsPage* settings_;
    std::array<std::function<void()>, PageCount> entered_;
    std::array<std::function<void()>, PageCount> back_;
    std::function<void(int)> versionCheck_;
    QWidget* mainWindow_ = nullptr;
    QWidget* house_ = nullptr;
};
