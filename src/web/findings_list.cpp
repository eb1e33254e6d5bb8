#include "findings_list.h"

#include <QBrush>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QVBoxLayout>

namespace web {

namespace {

using namespace Qt::StringLiterals;

const QString NothingFound = u"問題は見つかりませんでした。"_s;
// A list of tens of thousands takes half a minute to fill, and nobody reads past the first.
constexpr int MostEntries = 200;

QColor severityColour(check::Severity severity) {
    switch (severity) {
    case check::Severity::Error:
        return QColor(0xB0, 0x00, 0x20);
    case check::Severity::Warning:
        return QColor(0x8A, 0x4B, 0x00);
    case check::Severity::Notice:
        break;
    }
    return QColor(0x20, 0x40, 0x80);
}

QString entryText(const check::Finding& finding) {
    return u"%1　%2行目　%3\n%4"_s.arg(check::severityText(finding.severity))
        .arg(finding.line)
        .arg(finding.text, finding.advice);
}

QString summaryText(const QList<check::Finding>& findings) {
    if (findings.isEmpty())
        return u"ページのチェック"_s;
    int counts[3] = {0, 0, 0};
    for (const check::Finding& finding : findings)
        ++counts[int(finding.severity)];
    QStringList parts;
    for (const check::Severity severity :
         {check::Severity::Error, check::Severity::Warning, check::Severity::Notice})
        if (counts[int(severity)] > 0)
            parts << u"%1 %2件"_s.arg(check::severityText(severity)).arg(counts[int(severity)]);
    return u"ページのチェック：%1"_s.arg(parts.join(u"、"_s));
}

// Runs in the page: `f` holds the finding's text, its line, and how many findings with the
// same text come before it (the n-th finding of a text is taken to be its n-th occurrence).
const QString ScrollScript = uR"JS(
var text = f.text.replace(/…$/, '');
var matches = [];
var attribute = /^([^\s<>="']+)=["']?([^"']*)/.exec(text);
var tag = /^<\s*([A-Za-z][A-Za-z0-9]*)/.exec(text);
var reference = /^&#[xX]([0-9A-Fa-f]+);$/.exec(text) || /^&#([0-9]+);$/.exec(text);
if (tag) {
    matches = Array.prototype.slice.call(document.getElementsByTagName(tag[1]));
} else if (attribute) {
    var name = attribute[1].toLowerCase(), value = attribute[2];
    document.querySelectorAll('*').forEach(function (element) {
        var actual = element.getAttribute(name);
        if (actual !== null && actual.indexOf(value) === 0)
            matches.push(element);
    });
} else {
    if (reference)
        text = String.fromCodePoint(parseInt(reference[1], text.charAt(2) === '#' ? 10 : 16));
    var walker = document.createTreeWalker(document.body || document.documentElement,
                                           NodeFilter.SHOW_TEXT);
    for (var node = walker.nextNode(); node; node = walker.nextNode()) {
        var at = node.data.replace(/\s+/g, ' ').indexOf(text);
        if (at >= 0)
            matches.push(node.parentElement);
    }
}
// The nearest element of the match that takes up room on the screen.
var target = null;
for (var e = matches[Math.min(f.occurrence, matches.length - 1)]; e && !target;
     e = e.parentElement) {
    var box = e.getBoundingClientRect();
    if (box.width > 0 || box.height > 0)
        target = e;
}
if (target && target !== document.body && target !== document.documentElement) {
    target.scrollIntoView({block: 'center', inline: 'nearest'});
    var outline = target.style.outline;
    target.style.outline = '3px solid #d00';
    setTimeout(function () { target.style.outline = outline; }, 1500);
    return true;
}
var lines = document.documentElement.outerHTML.split('\n').length;
var room = document.documentElement.scrollHeight - window.innerHeight;
window.scrollTo(0, Math.max(0, room * (f.line - 1) / Math.max(1, lines - 1)));
return false;
)JS"_s;

} // namespace

FindingsList::FindingsList(QWidget* parent)
    : QWidget(parent), m_summary(new QLabel), m_list(new QListWidget) {
    setObjectName(u"FindingsPanel"_s);
    m_summary->setObjectName(u"FindingsSummary"_s);
    m_summary->setWordWrap(true);
    m_list->setObjectName(u"FindingsList"_s);
    m_list->setAccessibleName(u"チェック結果"_s);
    m_list->setAccessibleDescription(
        u"クリックするか Enter キーを押すと、ページのその場所を表示します。"_s);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSpacing(2);
    m_summary->setBuddy(m_list);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);

    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { activate(m_list->row(item)); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { activate(m_list->row(item)); });
    setFindings({});
}

void FindingsList::setFindings(const QList<check::Finding>& findings) {
    m_findings = findings;
    m_summary->setText(summaryText(findings));
    m_list->clear();
    if (findings.isEmpty()) {
        auto* item = new QListWidgetItem(NothingFound, m_list);
        // Read like the entries, but nothing to go to.
        item->setFlags(Qt::ItemIsEnabled);
        return;
    }
    const int shown = qMin(int(findings.size()), MostEntries);
    for (int i = 0; i < shown; ++i) {
        const check::Finding& finding = findings.at(i);
        auto* item = new QListWidgetItem(entryText(finding), m_list);
        item->setForeground(severityColour(finding.severity));
        item->setToolTip(finding.advice);
    }
    if (findings.size() > shown) {
        auto* more = new QListWidgetItem(
            u"ほか %1 件"_s.arg(QLocale(QLocale::Japanese).toString(findings.size() - shown)),
            m_list);
        more->setFlags(Qt::ItemIsEnabled);
    }
}

bool FindingsList::eventFilter(QObject* watched, QEvent* event) {
    // The list passes Enter on after activating, and a dialog would then press its default
    // button: inside the listing dialog, Enter on a finding would close the dialog.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            activate(m_list->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindingsList::activate(int row) {
    // The line that counts the findings left out is no finding.
    if (row >= 0 && row < qMin(int(m_findings.size()), MostEntries))
        emit findingActivated(row);
}

QString findingScrollScript(const QList<check::Finding>& findings, int index) {
    const check::Finding& finding = findings.at(index);
    int occurrence = 0;
    for (int i = 0; i < index; ++i)
        if (findings.at(i).text == finding.text)
            ++occurrence;
    const QJsonObject argument{
        {u"text"_s, finding.text}, {u"line"_s, finding.line}, {u"occurrence"_s, occurrence}};
    return u"(function (f) {"_s + ScrollScript + u"})("_s +
           QString::fromUtf8(QJsonDocument(argument).toJson(QJsonDocument::Compact)) + u")"_s;
}

} // namespace web
