#include "start/ExchangeWiring.h"

#include "exchange/qt/ExchangeClients.h"
#include "exchange/qt/ExchangeSettings.h"
#include "start/ExchangePage.h"
#include "start/ExchangePages.h"
#include "start/StartScreen.h"
#include "start/TextPage.h"

#include <QObject>

#include <memory>

namespace tavrio::exchange {
namespace {

// Keeps the clients alive exactly as long as the start screen.
class cClientsHolder : public QObject {
public:
    cClientsHolder(QObject* parent, const cExchangeConfig& config)
        : QObject(parent), clients(std::make_unique<cExchangeClients>(config))
    {
    }
    std::unique_ptr<cExchangeClients> clients;
};

} // namespace

cExchangeClients& installExchange(TFormStart& start)
{
    auto* holder = new cClientsHolder(&start, loadExchangeConfig());
    cExchangeClients& clients = *holder->clients;
    TFormStart* form = &start;
    const cExchangePages pages = installExchangePages(
        start.page(TFormStart::ListEditorPage), start.page(TFormStart::ExchangePage), start.page(TFormStart::TextPage),
        clients.web, clients.files, [form](int index) { form->showPage(index); },
        QString::fromStdString(clients.config.mailAddress));
    cExchangePage* exchange = pages.exchange;
    start.setPageEnteredHandler(TFormStart::ExchangePage, [exchange] { exchange->PageEntered(); });
    start.setPageBackHandler(TFormStart::ExchangePage, [exchange] { exchange->Image4Click(); });
    cTextPage* text = pages.text;
    start.setPageBackHandler(TFormStart::TextPage, [text] { text->Image5Click(); });
    start.setVersionCheck([&clients](int version) { clients.web.CheckVersion(version); });
    return clients;
}

} // namespace tavrio::exchange
