#pragma once

#include "check/page_check.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace web {

// The page check's findings beside a page: one entry a finding (severity, line, the text
// and what to change) for the first 200 and a line counting the rest, or a line saying that
// nothing was found. Clicking an entry or
// pressing Enter on it asks for the page to be scrolled to the finding.
class FindingsList : public QWidget {
    Q_OBJECT
public:
    explicit FindingsList(QWidget* parent = nullptr);

    void setFindings(const QList<check::Finding>& findings);
    const QList<check::Finding>& findings() const { return m_findings; }

signals:
    // The seller picked findings()[index].
    void findingActivated(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate(int row);

    QLabel* m_summary;
    QListWidget* m_list;
    QList<check::Finding> m_findings;
};

// A script for the loaded page that scrolls findings[index] into view and marks it for a
// moment. The page itself is not changed on disk; the check reports places in the page's
// source, so the script looks for the same text in the document and falls back to the
// finding's share of the page's lines.
QString findingScrollScript(const QList<check::Finding>& findings, int index);

} // namespace web
