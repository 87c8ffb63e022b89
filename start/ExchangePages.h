#pragma once
// Puts the exchange onto the start screen: page 4 (search, results, upload),
// page 5 (transfer log Memo2) and the editor page's button "Aus dem Internet
// laden" (Button20), and binds the clients' result slots to the pages.
#include <QString>

#include <functional>

class QWidget;
class cExchangePage;
class cTextPage;
class cWebFileInterface;
class cWebinterface;

struct cExchangePages {
    cExchangePage* exchange = nullptr;
    cTextPage* text = nullptr;
};

// `editorPage`, `exchangePage`, `textPage`: the start screen's containers
// TabSheet2, TabSheet4 and TabSheet5. `showPage(i)` switches to page i and
// runs its page-entered routine. The pages are owned by their containers;
// the clients must outlive them.
cExchangePages installExchangePages(QWidget* editorPage, QWidget* exchangePage, QWidget* textPage,
                                    cWebinterface& web, cWebFileInterface& files,
                                    std::function<void(int)> showPage, const QString& mailAddress);
