// The web actions' steps against the scripted browser: what each asks of the browser, in
// which order, and the one message a failure ends with.
#include "fake_browser.h"
#include "scripted_prompter.h"
#include "web/automation.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kStore = u"https://store.test/"_s;
const QString kResults = u"https://store.test/s"_s;
const QString kLogin = u"https://login.test/config/login"_s;
const QString kStatus = u"https://auction.test/jp/show/mystatus"_s;
const web::AutomationPauses kNoPauses{std::chrono::milliseconds(0), std::chrono::milliseconds(0)};

class Automation : public ::testing::Test {
protected:
    void SetUp() override {
        m_browsers.pages[kStore].forms = {FakeForm{{{u"field-keywords"_s, QString()}}, kResults}};
    }
    void search(const QString& word) {
        web::SearchProduct(&m_browsers, kStore, word, m_prompter, kNoPauses);
    }
    void logIn(const QString& id, const QString& password) {
        web::OpenMyPage(&m_browsers, kLogin, kStatus, id, password, m_prompter, kNoPauses);
    }

    FakeBrowserFactory m_browsers;
    ScriptedPrompter m_prompter;
};

struct Case {
    const char* name;
    QStringList page;     // search: the result page's link texts; login: the form's fields
    QStringList expected; // the browser's events between the first two waits and the end
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class SearchResult : public Automation, public ::testing::WithParamInterface<Case> {};

TEST_P(SearchResult, ShowsTheProductTwoLinksBeforeTheFirstNewItemLink) {
    for (int i = 0; i < GetParam().page.size(); ++i)
        m_browsers.pages[kResults].links
            << web::Link{u"https://store.test/%1"_s.arg(i), GetParam().page[i]};
    search(u"4901234567894"_s);
    EXPECT_EQ(m_browsers.browsers.at(0)->events,
              QStringList({u"navigate "_s + kStore, u"wait"_s,
                           u"set 0 field-keywords=4901234567894"_s, u"submit 0"_s, u"wait"_s}) +
                  GetParam().expected + QStringList({u"visible true"_s, u"release"_s}));
    EXPECT_EQ(m_browsers.browsers.at(0)->kind, web::BrowserKind::Service);
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Links, SearchResult,
    ::testing::Values(Case{"MarkerThird",
                           {u"商品名"_s, u"レビュー"_s, u"新品の出品：3"_s, u"新品"_s},
                           {u"navigate https://store.test/0"_s, u"wait"_s}},
                      Case{"NoMarker", {u"商品名"_s, u"中古品の出品"_s}, {}},
                      // Nothing two places before it: the result page, not an empty address.
                      Case{"MarkerSecond", {u"商品名"_s, u"新品"_s}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

class Login : public Automation, public ::testing::WithParamInterface<Case> {};

TEST_P(Login, FillsTheFormInItsOrderAndThenAsksForTheStatusPage) {
    FakeForm form{{}, u"https://login.test/sent"_s};
    for (const QString& field : GetParam().page)
        form.fields << std::pair{field, QString()};
    m_browsers.pages[kLogin].forms = {form};
    logIn(u"seller_1"_s, u"pa ss"_s);
    EXPECT_EQ(
        m_browsers.browsers.at(0)->events,
        QStringList({u"navigate "_s + kLogin, u"visible true"_s, u"wait"_s}) + GetParam().expected +
            QStringList({u"wait"_s, u"navigate "_s + kStatus, u"visible true"_s, u"release"_s}));
    EXPECT_EQ(m_browsers.browsers.at(0)->kind, web::BrowserKind::Service);
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Fields, Login,
                         ::testing::Values(Case{"IdFirst",
                                                {u".tries"_s, u"login"_s, u"passwd"_s},
                                                {u"set 0 login=seller_1"_s, u"set 0 passwd=pa ss"_s,
                                                 u"submit 0"_s}},
                                           Case{"PasswordFirst",
                                                {u"passwd"_s, u"login"_s},
                                                {u"set 0 passwd=pa ss"_s, u"submit 0"_s}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Origin {
    QString loadedFrom; // where the login page ended up
    bool filled;
};
void PrintTo(const Origin& o, std::ostream* os) {
    *os << o.loadedFrom.toStdString();
}

class LoginOrigin : public Automation, public ::testing::WithParamInterface<Origin> {};

TEST_P(LoginOrigin, ThePasswordGoesOnlyToTheConfiguredLoginOrigin) {
    FakePage page;
    page.forms = {FakeForm{{{u"login"_s, QString()}, {u"passwd"_s, QString()}}, QString()}};
    page.redirect = GetParam().loadedFrom;
    m_browsers.pages[kLogin] = page;
    logIn(u"seller_1"_s, u"secret"_s);
    const QStringList& events = m_browsers.browsers.at(0)->events;
    if (GetParam().filled) {
        EXPECT_TRUE(events.contains(u"set 0 passwd=secret"_s)) << events.join(u'|').toStdString();
        EXPECT_TRUE(m_prompter.texts.isEmpty());
    } else {
        EXPECT_EQ(events, QStringList({u"navigate "_s + kLogin, u"visible true"_s, u"wait"_s,
                                       u"release"_s}));
        EXPECT_EQ(m_prompter.texts, QStringList{u"ログインのページのアドレスが設定と違うため、"
                                                u"パスワードを入力しませんでした。"_s});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, LoginOrigin,
    ::testing::Values(Origin{u"https://login.test/config/login?.done=x"_s, true},
                      Origin{u"https://LOGIN.test:443/other"_s, true},
                      Origin{u"https://login.test:8443/config/login"_s, false},
                      Origin{u"http://login.test/config/login"_s, false},
                      // The https port over plain http is still another origin.
                      Origin{u"http://login.test:443/config/login"_s, false},
                      Origin{u"https://login.test.example/config/login"_s, false}));

// Without both the ID and the password no browser opens: the seller is sent to register them.
TEST_F(Automation, TheLoginNeedsBothTheIdAndThePassword) {
    logIn(QString(), u"secret"_s);
    logIn(u"seller_1"_s, QString());
    EXPECT_TRUE(m_browsers.browsers.empty());
    EXPECT_EQ(
        m_prompter.texts,
        QStringList(2, u"基本情報＆注意事項の画面でYahoo!ID,パスワードの登録をしてください。"_s));
}

// The store's page chooses the address: a local file or a script must not be opened in the
// browser the seller is signed in with.
TEST_F(Automation, OnlyAWebAddressIsFollowedFromTheStore) {
    for (const QString& href : {u"file:///opt/tomoea/ini/psbin.dat"_s, u"javascript:alert(1)"_s,
                                u"qrc:/manual/index.html"_s, u"HTTP://store.test/dp/1"_s}) {
        m_browsers.pages[kResults].links = {
            {href, u"品物"_s}, {kStore, u"レビュー"_s}, {kStore, u"新品の出品"_s}};
        search(u"本"_s);
    }
    QStringList followed;
    for (const auto& browser : m_browsers.browsers)
        followed += browser->events.filter(u"navigate "_s).mid(1);
    EXPECT_EQ(followed, QStringList{u"navigate HTTP://store.test/dp/1"_s});
}

// A coarse timer ends up to 5 % early; the store's script needs the whole pause.
TEST_F(Automation, TheSearchWaitsAtLeastThreeSecondsForTheResultPage) {
    QElapsedTimer clock;
    clock.start();
    web::SearchProduct(&m_browsers, kStore, u"本"_s, m_prompter);
    EXPECT_GE(clock.elapsed(), 3000);
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

TEST_F(Automation, TheManualOpensAsTheProgramsOwnPageAndCarriersInTheService) {
    web::OpenManual(&m_browsers, u"qrc:/manual/index.html"_s, m_prompter);
    web::OpenCarrierPage(&m_browsers, kStatus, u"CB4"_s, m_prompter);
    ASSERT_EQ(m_browsers.browsers.size(), 2u);
    EXPECT_EQ(m_browsers.browsers[0]->kind, web::BrowserKind::Page);
    EXPECT_EQ(m_browsers.browsers[1]->kind, web::BrowserKind::Service);
}

TEST_F(Automation, FailuresAreReportedInEachActionsOwnWords) {
    m_browsers.pages.remove(kStore); // no search form: the browser goes, still hidden
    search(u"本"_s);
    logIn(u"seller_1"_s, u"secret"_s); // the login page has no form either
    EXPECT_FALSE(m_browsers.browsers.at(0)->visible);
    m_browsers.unavailable = true;
    search(u"本"_s);
    web::OpenCarrierPage(&m_browsers, kStatus, u"CB4"_s, m_prompter);
    web::OpenManual(&m_browsers, kStatus, m_prompter);
    EXPECT_EQ(
        m_prompter.texts,
        (QStringList{u"接続できません (CB8 91)"_s, u"オブジェクトが設定されていません。 (91)"_s,
                     u"接続できません (CB8 91)"_s, u"処理が中断されました。 (CB4 91)"_s,
                     u"オブジェクトが設定されていません。 (CB5 91)"_s}));
}

} // namespace
