// What a transfer worker needs of whoever shows the transfer: the editor's
// form, the command-line tool, a test.
#pragma once

#include <string>

class ITransferView {
public:
    virtual ~ITransferView() = default;

    // Called from the worker thread (and from the completion methods of the
    // link on the caller's thread). None of them may block or wait for the
    // thread that shows them: that thread may itself be joining the worker.
    virtual void SetProgress(int position) = 0;  // 0 to 100
    virtual void SetStatusText(const std::string& text) = 0;

    // Completion notices, the last thing a worker does. The receiver must
    // hand them to its own thread and there call the matching Finish method
    // of the link (FinishUpload, FinishDownload, FinishRefused).
    virtual void PostUploadDone() = 0;
    virtual void PostDownloadDone() = 0;
    // The receiver refused the system code; no other notice follows.
    virtual void PostCodeRefused() = 0;
};
