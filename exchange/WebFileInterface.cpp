#include "exchange/WebFileInterface.h"

#include "exchange/ExchangeConfig.h"
#include "exchange/LocalFiles.h"
#include "exchange/PostData.h"
#include "exchange/UrlEncoding.h"

#include "engine/Files.h"

using namespace tavrio::exchange;

cWebFileInterface::cWebFileInterface(cHttpClient& http, cSocketClient& socket, std::string fileUrl,
                                     std::string workingDir)
    : http_(http), socket_(socket), fileUrl_(trimBaseUrl(fileUrl)), workingDir_(std::move(workingDir))
{
}

cWebFileInterface::JobKind cWebFileInterface::KindOf(const std::string& kindText)
{
    if (kindText == "downloading")
        return Downloading;
    if (kindText == "uploading")
        return Uploading;
    return Nothing;
}

std::string cWebFileInterface::DownloadUrl(const std::string& fileName) const
{
    return fileUrl_ + DownloadPath + encodeFileName(fileName);
}

void cWebFileInterface::Download(const std::string& fileName)
{
    Queue("downloading", fileName);
}

void cWebFileInterface::Upload(const std::string& filePath)
{
    Queue("uploading", filePath);
}

void cWebFileInterface::UploadAs(const std::string& filePath, const std::string& wishName)
{
    queue_.push_back({Uploading, filePath, wishName});
    ProcessNext();
}

void cWebFileInterface::Queue(const std::string& kindText, const std::string& fileName)
{
    queue_.push_back({KindOf(kindText), fileName, {}});
    ProcessNext();
}

void cWebFileInterface::SetBusy(bool busy)
{
    if (busy_ == busy)
        return;
    busy_ = busy;
    if (OnBusyChanged)
        OnBusyChanged(busy);
}

void cWebFileInterface::ProcessNext()
{
    if (queue_.empty() || busy_)
        return;
    SetBusy(true);
    current_ = queue_.front();
    queue_.pop_front();
    switch (current_.kind) {
    case Downloading:
        StartDownload(current_.name);
        break;
    case Uploading:
        StartUpload(current_.name, current_.wish);
        break;
    case Nothing:
        Finish(nullptr, current_.name);
        break;
    }
}

void cWebFileInterface::Finish(const std::function<void(const std::string&)>& report, const std::string& name)
{
    const std::string reported = name; // the next job replaces the current one
    current_ = {Nothing, {}, {}};
    SetBusy(false);
    ProcessNext();
    if (report)
        report(reported);
}

void cWebFileInterface::FailAtOnce(const std::function<void(const std::string&)>& report, const std::string& name)
{
    const std::string reported = name; // may be the current job's own name
    current_ = {Nothing, {}, {}};
    if (report)
        report(reported);
    SetBusy(false);
    ProcessNext();
}

void cWebFileInterface::Unreachable()
{
    if (OnUnreachable)
        OnUnreachable();
}

void cWebFileInterface::SendOrFail(const std::function<bool()>& send,
                                   const std::function<void(const std::string&)>& report, const std::string& name)
{
    bool started = false;
    try {
        started = send();
    } catch (...) {
        started = false;
    }
    if (!started) {
        Unreachable();
        FailAtOnce(report, name);
    }
}

void cWebFileInterface::StartDownload(const std::string& name)
{
    downloadName_ = name;
    if (!isSafeFileName(name)) {
        FailAtOnce(OnDownloadFailure, name);
        return;
    }
    SendOrFail(
        [&] {
            return http_.Get(DownloadUrl(name), static_cast<std::size_t>(MaxFileSize), [this](const cHttpReply& reply) {
                if (reply.ok && reply.status >= 200 && reply.status < 300) {
                    DownloadDone(reply.body);
                } else {
                    if (!reply.ok)
                        Unreachable();
                    DownloadFailed();
                }
            });
        },
        OnDownloadFailure, name);
}

void cWebFileInterface::DownloadDone(const std::string& body)
{
    const std::string name = downloadName_;
    if (body.size() > static_cast<std::size_t>(MaxFileSize) || !isSafeFileName(name)) {
        Finish(OnDownloadFailure, name);
        return;
    }
    // A pupil's own list of that name is replaced only when asked.
    const std::string target = localPath(workingDir_, name);
    std::string old;
    const bool same = ReadFileLimited(target, old, body.size()) == cReadResult::Ok && old == body;
    if (!same && FileExists(target) && OnReplaceAsk && !OnReplaceAsk(name)) {
        Finish(nullptr, name);
        return;
    }
    Finish(writeFileAtomically(workingDir_, name, body) ? OnDownloadSuccess : OnDownloadFailure, name);
}

void cWebFileInterface::DownloadFailed()
{
    Finish(OnDownloadFailure, downloadName_);
}

void cWebFileInterface::StartUpload(const std::string& path, const std::string& wishName)
{
    const std::string wish = wishName.empty() ? baseName(path) : wishName;
    const auto base = parseBaseUrl(fileUrl_);
    if (!base) {
        FailAtOnce(OnUploadFailure, wish);
        return;
    }
    cPostData post;
    post.Host = base->hostHeader();
    post.Path = UploadPath;
    post.AddField("MAX_FILE_SIZE", std::to_string(MaxFileSize));
    post.AddFile("userfile", path);
    post.AddField("Wunschname", wish);
    const auto request = post.BuildRequest();
    if (!request) {
        FailAtOnce(OnUploadFailure, wish);
        return;
    }
    SendOrFail(
        [&] {
            return socket_.Exchange(base->host, base->port, *request, MaxUploadReply, uploadReplyComplete,
                                    [this, wish](bool failed, const std::string& reply) {
                                        if (failed && reply.empty()) {
                                            Unreachable();
                                            Finish(OnUploadFailure, wish);
                                        } else
                                            UploadAnswer(reply);
                                    });
        },
        OnUploadFailure, wish);
}

void cWebFileInterface::UploadAnswer(const std::string& reply)
{
    parser_.Parse(std::string_view(reply).substr(0, MaxUploadReply));
    const bool success = parser_.GetValue(".upload.result") == "successful";
    Finish(success ? OnUploadSuccess : OnUploadFailure, parser_.GetValue(".upload.filename"));
}

bool uploadReplyComplete(const std::string& reply)
{
    return reply.find("</upload>") != std::string::npos;
}
