#include "startup_tables.h"

#include "core/message_tags.h"
#include "core/option_lists.h"
#include "core/text_tables.h"
#include "file_failure.h"

namespace content {
namespace {

using core::Workspace;

// The lists filled once the region file is read; the others are filled before it.
constexpr QStringList FormLists::*kFilledAfterTheRegions[] = {
    &FormLists::prefectures, &FormLists::titleStyles, &FormLists::headingStyles,
    &FormLists::textStyles,  &FormLists::titleSizes,  &FormLists::headingSizes,
    &FormLists::textSizes};

void tell(StartupTables& tables, const std::optional<platform::Error>& error) {
    if (error)
        tables.messages << error->report(core::tag::TextTables);
}

} // namespace

StartupTables LoadStartupTables(const core::Workspace& workspace) {
    StartupTables tables;
    FormLists& lists = tables.lists;
    const FormLists all = standardFormLists({});
    lists = all;
    for (QStringList FormLists::*list : kFilledAfterTheRegions)
        (lists.*list).clear();
    tables.regions = QStringList(core::kPrefectureCount, QString());
    tables.links = QStringList(core::kLinkCount, QString());

    QStringView fileBeingRead;
    try {
        fileBeingRead = Workspace::RegionListFile;
        core::FixedTable regions = core::readPrefectureTable(workspace);
        tables.regions = regions.entries;
        // Names past the 48th are left out; the seller is told and start-up goes on.
        tell(tables, regions.error);
        for (QStringList FormLists::*list : kFilledAfterTheRegions)
            lists.*list = all.*list;
        lists.prefectures = tables.regions;

        fileBeingRead = Workspace::LinkInfoFile;
        core::FixedTable links = core::readLinkTable(workspace);
        tables.links = links.entries;
        tell(tables, links.error);

        fileBeingRead = Workspace::ShippingRatesFile;
        tell(tables, LoadShippingRates(workspace, tables.rates));
    } catch (const platform::Error& error) {
        if (const auto message =
                fileFailureMessage(error, u"ファイルがありません。(FI　",
                                   workspace.path(fileBeingRead), core::tag::TextTables))
            tables.messages << *message;
    }
    return tables;
}

} // namespace content
