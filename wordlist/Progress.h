#pragma once
// A one-line progress report on stderr for long runs, shown only when
// stderr is a terminal so that logs and pipes stay clean.

#include <QString>

namespace lexitor::wordlist {

class Progress {
public:
    Progress(QString label, qsizetype total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void update(qsizetype done);

private:
    QString label_;
    qsizetype total_ = 0;
    bool active_ = false;
    int shownPercent_ = -1;
};

} // namespace lexitor::wordlist
