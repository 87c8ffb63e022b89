#include "exchange/qt/ExchangeSettings.h"

#include <QSettings>

namespace tavrio::exchange {
namespace {

void override(std::string& value, const QString& candidate)
{
    const std::string text = candidate.trimmed().toStdString();
    if (!text.empty() && parseBaseUrl(text))
        value = trimBaseUrl(text);
}

} // namespace

cExchangeConfig loadExchangeConfig(QSettings& settings)
{
    cExchangeConfig config;
    override(config.queryUrl, settings.value("Exchange/QueryUrl").toString());
    override(config.fileUrl, settings.value("Exchange/FileUrl").toString());
    override(config.queryUrl, qEnvironmentVariable("TAVRIO_QUERY_URL"));
    override(config.fileUrl, qEnvironmentVariable("TAVRIO_FILE_URL"));
    const QString mail = settings.value("Exchange/MailAddress").toString().trimmed();
    if (!mail.isEmpty())
        config.mailAddress = mail.toStdString();
    return config;
}

cExchangeConfig loadExchangeConfig()
{
    QSettings settings("Quendel", "Tavrio");
    return loadExchangeConfig(settings);
}

} // namespace tavrio::exchange
