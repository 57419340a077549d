#include "favoritespage/subjectsaver.h"

#include "favorites/followedsubject.h"
#include "favorites/subjectmessages.h"
#include "favoritespage/shownsubject.h"
#include "services/messageboxes.h"

SubjectSaver::SubjectSaver(SubjectFiles& subjectFiles, ShownSubject& shown,
                           FollowedSubject& followed, MessageBoxes& messages)
    : m_subjectFiles(subjectFiles)
    , m_shown(shown)
    , m_followed(followed)
    , m_messages(messages) {}

SaveOutcome SubjectSaver::carryOut(const SubjectSave& plan, Failures failures) {
    switch (plan.kind) {
    case SubjectSave::Nothing:
        return {SaveOutcome::Saved, {}};
    case SubjectSave::Tell:
        m_messages.ask(plan.message, MessageBoxes::OkOnly, favorites::kFavoritesTitle);
        return {};
    case SubjectSave::Write:
        break;
    }
    m_shown.keepText(plan.text);
    const SaveOutcome outcome = write(plan);
    if (outcome.kind == SaveOutcome::Saved)
        m_followed.saved(plan);
    if (outcome.kind == SaveOutcome::Failed && failures == Failures::Report)
        m_messages.ask(
            favorites::failureNotice(plan.subject, QStringLiteral("saved"), outcome.error));
    return outcome;
}

SaveOutcome SubjectSaver::write(const SubjectSave& plan) {
    SubjectFiles::Saved saved = m_subjectFiles.save(plan.subject, plan.bytes, plan.known);
    if (saved.status == SubjectFiles::Saved::ChangedElsewhere) {
        const favorites::ChoiceQuestion question = favorites::conflictQuestion(plan.subject);
        switch (favorites::conflictAnswer(m_messages.choose(
            question.text, question.choices, question.safeChoice, favorites::kFavoritesTitle))) {
        case favorites::OnConflict::Overwrite:
            saved = replaceFile(plan.subject, plan.bytes);
            break;
        case favorites::OnConflict::LoadFile:
            if (m_shown.showFileText(plan.subject))
                return {SaveOutcome::FileShown, {}};
            [[fallthrough]];
        case favorites::OnConflict::KeepEditing:
            return {SaveOutcome::LeftUnsaved, favorites::kChangedElsewhere};
        }
    }
    switch (saved.status) {
    case SubjectFiles::Saved::Written:
        return {SaveOutcome::Saved, {}};
    case SubjectFiles::Saved::Failed:
        return {SaveOutcome::Failed, saved.error};
    default:
        return {SaveOutcome::LeftUnsaved, saved.error};
    }
}

// The file's text goes to the trash first; where it cannot, it is lost only when the user agrees.
SubjectFiles::Saved SubjectSaver::replaceFile(const QString& subject, const QByteArray& bytes) {
    const SubjectFiles::Saved saved =
        m_subjectFiles.save(subject, bytes, std::nullopt, SubjectFiles::Overwrite::KeepInTrash);
    if (saved.status != SubjectFiles::Saved::NotTrashed ||
        m_messages.ask(favorites::loseForGoodQuestion(
            QStringLiteral("The text of \"%1\" in its file").arg(subject), saved.error,
            QStringLiteral("Replace it for good?"))) != MessageBoxes::Ok)
        return saved;
    return m_subjectFiles.save(subject, bytes, std::nullopt, SubjectFiles::Overwrite::ForGood);
}
