#include "exchange/PostData.h"

#include "engine/ListFile.h"

namespace tavrio::exchange {

std::optional<std::string> readFileBytes(const std::string& path)
{
    std::string bytes;
    if (ReadFileLimited(path, bytes, MaxListBytes) != cReadResult::Ok)
        return std::nullopt;
    return bytes;
}

} // namespace tavrio::exchange

void cPostData::AddField(const std::string& name, const std::string& value)
{
    fieldNames_.push_back(name);
    fieldValues_.push_back(value);
}

void cPostData::AddFile(const std::string& fieldName, const std::string& filePath)
{
    fileFields_.push_back(fieldName);
    filePaths_.push_back(filePath);
}

std::optional<std::string> cPostData::BuildBody() const
{
    const std::string delimiter = std::string("--") + Boundary + "\r\n";
    std::string body;
    for (std::size_t i = 0; i < fieldNames_.size(); ++i) {
        body += delimiter;
        body += "Content-Disposition: form-data; name=\"" + fieldNames_[i] + "\"\r\n";
        body += "\r\n";
        body += fieldValues_[i] + "\r\n";
    }
    for (std::size_t i = 0; i < filePaths_.size(); ++i) {
        const auto bytes = tavrio::exchange::readFileBytes(filePaths_[i]);
        if (!bytes)
            return std::nullopt;
        body += delimiter;
        body += "Content-Disposition: form-data; name=\"" + fileFields_[i] + "\"; filename=\"pelikor.txt\"\r\n";
        body += "Content-Type: application/rdf+xml\r\n";
        body += "\r\n";
        body += *bytes + "\r\n";
    }
    body += std::string("--") + Boundary + "--\r\n";
    return body;
}

std::optional<std::string> cPostData::BuildRequest() const
{
    auto body = BuildBody();
    if (!body)
        return std::nullopt;
    std::string request;
    request += "POST " + Path + " HTTP/1.1\r\n";
    request += "Host: " + Host + "\r\n";
    request += "User-Agent: Pelikor/0.1 (Windows; U; Windows NT 5.1; de-DE; rv:1.7.5)\r\n";
    request += "Accept-Charset: ISO-8859-1,utf-8;q=0.7,*;q=0.7\r\n";
    request += "Keep-Alive: 300\r\n";
    request += "Connection: keep-alive\r\n";
    request += std::string("Content-Type: multipart/form-data; boundary=") + Boundary + "\r\n";
    request += "Content-Length: " + std::to_string(body->size()) + "\r\n";
    request += "\r\n";
    request += *body;
    return request;
}
