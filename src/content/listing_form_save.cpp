#include "listing_form_save.h"

#include "platform/cp932.h"
#include "profile_bindings.h"

namespace content {

FormSaveOutcome SaveListingForm(const core::Workspace& workspace, const core::ListingRecord& record,
                                const core::HeldSelections& held) {
    const profile::Profiles profiles(workspace.applicationFolder);
    FormSaveOutcome outcome;
    const auto keep = [&outcome](const platform::Error& error) {
        if (!outcome.failure)
            outcome.failure = error;
    };
    profile::ProfileBatch batch(profiles);
    for (const ProfileBinding& binding : profileBindings()) {
        const bool bound = !std::holds_alternative<std::monostate>(binding.record) ||
                           !std::holds_alternative<std::monostate>(binding.held);
        if (!bound)
            continue;
        QString value = savedProfileValue(binding, record, held);
        if (!platform::isCp932Encodable(value)) {
            using platform::Unmappable;
            value = platform::fromCp932(platform::toCp932(value, Unmappable::QuestionMark));
            outcome.replacedFields
                << (binding.label.isEmpty() ? binding.key : binding.label).toString();
        }
        try {
            writeProfileText(profiles, binding, value);
        } catch (const platform::Error& error) {
            keep(error);
        }
    }
    try {
        batch.commit();
    } catch (const platform::Error& error) {
        keep(error);
    }
    return outcome;
}

QString replacedCharactersMessage(const QStringList& fields) {
    QString names;
    for (const QString& field : fields)
        names += u'「' + field + u'」';
    return names +
           QStringLiteral("には保存できない文字があったため、「?」に置き換えて保存しました。");
}

} // namespace content
