#include "app/qt_translations.h"
#include "modal.h"
#include "temp_app_folder.h"
#include "ui/desktop/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct FilterCase {
    QString given;
    QString qtForm;
};

void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << c.given.toStdString();
}

class FileFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FileFilter, BecomesQtsForm) {
    EXPECT_EQ(ui::toQtFileFilter(GetParam().given), GetParam().qtForm);
}

INSTANTIATE_TEST_SUITE_P(Filters, FileFilter,
                         ::testing::Values(FilterCase{u"テンプレートファイル|*.tmpl"_s,
                                                      u"テンプレートファイル (*.tmpl)"_s},
                                           FilterCase{u"文書|*.txt|画像|*.png;*.gif"_s,
                                                      u"文書 (*.txt);;画像 (*.png *.gif)"_s},
                                           FilterCase{u"テキスト (*.txt)"_s, u"テキスト (*.txt)"_s},
                                           FilterCase{u""_s, u""_s}));

struct ColourCase {
    platform::ColourValue value;
    int red, green, blue;
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << std::hex << c.value;
}

class ColourConversion : public ::testing::TestWithParam<ColourCase> {};

// Red sits in the low byte of a stored colour, the reverse of the usual #RRGGBB order.
TEST_P(ColourConversion, KeepsRedInTheLowByte) {
    const ColourCase& c = GetParam();
    const QColor colour = ui::toQColor(c.value);
    EXPECT_EQ(colour, QColor(c.red, c.green, c.blue));
    EXPECT_EQ(ui::fromQColor(colour), c.value);
}

INSTANTIATE_TEST_SUITE_P(Colours, ColourConversion,
                         ::testing::Values(ColourCase{0x000000FF, 255, 0, 0},
                                           ColourCase{0x00FF0000, 0, 0, 255},
                                           ColourCase{0x00123456, 0x56, 0x34, 0x12},
                                           ColourCase{0x00FFFFFF, 255, 255, 255}));

class QtDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app::installJapaneseQtTranslations(*qApp); }
    ui::QtDialogs m_dialogs;
};

TEST_F(QtDialogsTest, PickedColourComesBackAsAStoredColour) {
    QString cancelText;
    whenModalOpens<QColorDialog>([&cancelText](QColorDialog* dialog) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == u"キャンセル"_s)
                cancelText = button->text();
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    EXPECT_EQ(m_dialogs.pickColour(0x00FFFFFF), std::optional<platform::ColourValue>(0x00030201));
    // Qt's own buttons speak Japanese once the catalogue is installed.
    EXPECT_EQ(cancelText, u"キャンセル"_s);
}

TEST_F(QtDialogsTest, CancelledColourDialogGivesNothing) {
    QColor shown;
    whenModalOpens<QColorDialog>([&shown](QColorDialog* dialog) {
        shown = dialog->currentColor();
        dialog->reject();
    });
    EXPECT_EQ(m_dialogs.pickColour(0x00123456), std::nullopt);
    EXPECT_EQ(shown, QColor(0x56, 0x34, 0x12));
}

TEST_F(QtDialogsTest, ChosenFileComesBackWithItsPath) {
    TempAppFolder folder;
    folder.writeLines(u"template/mine.tmpl"_s, {u"<%pos>"_s});
    const QString chosen = folder.path(u"template/mine.tmpl"_s);
    QStringList filters;
    QString title;
    whenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        title = dialog->windowTitle();
        dialog->selectFile(chosen);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides its override
    });
    EXPECT_EQ(m_dialogs.openFile(u"テンプレート"_s, folder.path(u"template"_s),
                                 u"テンプレートファイル|*.tmpl"_s),
              std::optional<QString>(chosen));
    EXPECT_EQ(filters, QStringList{u"テンプレートファイル (*.tmpl)"_s});
    EXPECT_EQ(title, u"テンプレート"_s);
}

TEST_F(QtDialogsTest, CancelledFileDialogGivesNothing) {
    TempAppFolder folder;
    whenModalOpens<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(
        m_dialogs.openFile(u"テンプレート"_s, folder.path(), u"テンプレートファイル|*.tmpl"_s),
        std::nullopt);
}

} // namespace
