#pragma once
// cWebFileInterface: moves list files between the working directory and the
// exchange's file host. Jobs ("downloading" name, "uploading" path) run one
// at a time from a first-in-first-out queue; ending a job clears Busy and
// starts the next job before the finished one is reported.
#include "exchange/Transport.h"
#include "exchange/XmlParser.h"

#include <deque>
#include <functional>
#include <string>

class cWebFileInterface {
public:
    enum JobKind { Nothing = 0, Downloading = 1, Uploading = 2 };
    static constexpr const char* UploadPath = "/Kavnet/Tavrio/Network/uploadfile.php";
    static constexpr const char* DownloadPath = "/Kavnet/Tavrio/Network/VokDateien/";
    static constexpr std::size_t MaxUploadReply = 2400;

    // `fileUrl` is the file host's base URL; downloads are saved in
    // `workingDir` ("." for the current directory).
    cWebFileInterface(tavrio::exchange::cHttpClient& http, tavrio::exchange::cSocketClient& socket,
                      std::string fileUrl, std::string workingDir = ".");

    // Largest list accepted from a download; also sent as MAX_FILE_SIZE.
    int MaxFileSize = 1000000;

    void Download(const std::string& fileName);
    void Upload(const std::string& filePath);
    // As Upload, but offers the list under `wishName` (8-bit) instead of the
    // path's own file name, for local paths in another encoding.
    void UploadAs(const std::string& filePath, const std::string& wishName);
    // Queues a job by its kind text; an unknown text reads as "nothing".
    void Queue(const std::string& kindText, const std::string& fileName);
    void ProcessNext();

    bool Busy() const { return busy_; }
    std::size_t Queued() const { return queue_.size(); }
    static JobKind KindOf(const std::string& kindText);
    std::string DownloadUrl(const std::string& fileName) const;

    // Report slots, each given a file name; an empty one is skipped.
    std::function<void(const std::string&)> OnUploadSuccess;
    std::function<void(const std::string&)> OnUploadFailure;
    std::function<void(const std::string&)> OnDownloadSuccess;
    std::function<void(const std::string&)> OnDownloadFailure;
    // Told whenever Busy changes, so a page can show that a transfer runs.
    std::function<void(bool)> OnBusyChanged;
    // Asked before a download replaces a local list of the same name that
    // has other contents; false keeps the local list and reports nothing.
    // Unset: the download replaces it. An identical list is replaced silently.
    std::function<bool(const std::string& name)> OnReplaceAsk;
    // A download or upload did not reach the exchange (not started, no
    // connection, no answer). Told before the job's failure report.
    std::function<void()> OnUnreachable;

    // Transport events.
    void DownloadDone(const std::string& body);
    void DownloadFailed();
    void UploadAnswer(const std::string& reply);

private:
    struct Job {
        JobKind kind;
        std::string name;
        std::string wish; // uploads: the name offered to the exchange; empty: the path's file name
    };
    void SetBusy(bool busy);
    void StartDownload(const std::string& name);
    void StartUpload(const std::string& path, const std::string& wishName);
    // Ends the current job: clears Busy, starts the next one, then reports.
    void Finish(const std::function<void(const std::string&)>& report, const std::string& name);
    // Ends a job whose request failed at once: reports first, then clears
    // Busy and starts the next one, so failures are reported in job order.
    void FailAtOnce(const std::function<void(const std::string&)>& report, const std::string& name);
    void Unreachable();
    // Sends a job's request; when sending throws or is refused, the exchange
    // counts as unreachable and the job fails at once.
    void SendOrFail(const std::function<bool()>& send, const std::function<void(const std::string&)>& report,
                    const std::string& name);

    tavrio::exchange::cHttpClient& http_;
    tavrio::exchange::cSocketClient& socket_;
    std::string fileUrl_;
    std::string workingDir_;
    cXMLparser parser_;
    std::deque<Job> queue_;
    Job current_{Nothing, {}, {}};
    std::string downloadName_;
    bool busy_ = false;
};

// True once an upload reply holds the whole tagged answer.
bool uploadReplyComplete(const std::string& reply);
