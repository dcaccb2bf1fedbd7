#include "passes/run_plan.h"

#include "output/names.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <iterator>

namespace {

// Every name in `folder`, "." and ".." included (a new name "." is taken
// too). One pass of readdir: no stat per name, so a folder of 100,000 files
// reads in a blink.
int ReadFolderNames(const QString& folder, QSet<QString>& names)
{
    // The convert joins folder + "/" + name, so an empty folder text means "/".
    DIR* dir = ::opendir(EncodeFileName(folder + u'/').constData());
    if (!dir)
        return errno;
    while (const dirent* entry = ::readdir(dir))
        names.insert(DecodeFileName(QByteArray(entry->d_name)));
    ::closedir(dir);
    return 0;
}

void AddReason(PlannedFile& file, const QString& sentence)
{
    if (!file.m_strReason.isEmpty())
        file.m_strReason += u'\n';
    file.m_strReason += sentence;
}

QString Quoted(const QString& name)
{
    return u'"' + ReadableFileName(name) + u'"';
}

} // namespace

QStringList PlanFlagNames(unsigned flags)
{
    static const char16_t* const kNames[] = {u"numbered", u"cleaned", u"shortened", u"clash",
                                             u"lossy-swap"};
    QStringList names;
    for (unsigned bit = 0; bit < std::size(kNames); ++bit) {
        if (flags & (1u << bit))
            names.append(QString::fromUtf16(kNames[bit]));
    }
    return names;
}

QString TextLostBySwap(const QString& baseName)
{
    const qsizetype first = baseName.indexOf(u'-');
    const qsizetype second = first < 0 ? -1 : baseName.indexOf(u'-', first + 1);
    if (second < 0)
        return {};
    const QString dropped = baseName.mid(second);
    const bool holdsText = std::any_of(dropped.cbegin(), dropped.cend(),
                                       [](QChar c) { return c != u'-' && !c.isSpace(); });
    return holdsText ? dropped : QString();
}

CRunPlanner::MarkReasons::MarkReasons()
    : m_strUndecoded(QCoreApplication::translate(
          "RunPlan", "The new name could not be decoded; this file will not be copied.")),
      m_strLaterClash(QCoreApplication::translate(
          "RunPlan", "A later file of this run has the same new name.")),
      m_strEarlierClash(QCoreApplication::translate(
          "RunPlan", "An earlier file of this run has the same new name.")),
      m_strLossySwap(QCoreApplication::translate(
          "RunPlan", "The swap keeps two parts of the name and drops %1.")),
      m_strCleaned(QCoreApplication::translate(
          "RunPlan", "Characters a file name must not hold (\\ / : * ? \" < > | "
                     "and control characters) are removed.")),
      m_strShortened(QCoreApplication::translate(
          "RunPlan", "The name is too long for the output folder and is shortened.")),
      m_strTakenInRun(
          QCoreApplication::translate("RunPlan", "%1 is taken by an earlier file of this run.")),
      m_strInFolder(
          QCoreApplication::translate("RunPlan", "%1 already stands in the output folder."))
{}

CRunPlanner::CRunPlanner(const PlanSettings& settings)
    : m_settings(settings), m_nNameLimit(NameLimitOf(settings.m_strOutputFolder))
{
    m_nFolderError = ReadFolderNames(settings.m_strOutputFolder, m_folderNames);
}

void CRunPlanner::Reserve(std::size_t files)
{
    m_runNames.Reserve(m_runNames.Size() + files);
    if (m_settings.m_bKeepFiles)
        m_files.reserve(m_nAdded + files);
}

const PlannedFile& CRunPlanner::Add(const QString& listedName, const QString& newName)
{
    m_nEarlierClash = -1;
    const std::size_t index = m_nAdded++;
    PlannedFile& file = m_settings.m_bKeepFiles ? m_files.emplace_back() : (m_last = {});
    Plan(index, listedName, newName, file);
    // Only files that need a mark are remembered; the others can be told
    // again from their names should a later clash need them.
    if (!m_settings.m_bKeepFiles && file.NeedsMark())
        m_marked.insert_or_assign(index, file);
    return file;
}

void CRunPlanner::Plan(std::size_t index, const QString& listedName, const QString& newName,
                       PlannedFile& file)
{
    file.m_strName = listedName;
    file.m_strNewName = newName;
    if (newName.isEmpty())
        return;
    // The convert refuses such a name before it cleans anything.
    if (HoldsUndecodedText(newName)) {
        file.m_status = PlanStatus::Failed;
        AddReason(file, m_reasons.m_strUndecoded);
        return;
    }
    const QString wanted = CleanedName(listedName, newName, file);

    NameUse* use = &m_runNames.FindOrAdd(wanted);
    if (use->m_nFirstWanting == NameUse::kNobody) {
        use->m_nFirstWanting = std::uint32_t(index);
    } else {
        file.m_nFlags |= PlanClash;
        PlannedFile& partner = FileToUpdate(use->m_nFirstWanting, wanted);
        if (!(partner.m_nFlags & PlanClash)) {
            partner.m_nFlags |= PlanClash;
            AddReason(partner, m_reasons.m_strLaterClash);
            m_nEarlierClash = std::ptrdiff_t(use->m_nFirstWanting);
        }
        AddReason(file, m_reasons.m_strEarlierClash);
    }

    if (!Taken(wanted, use->m_bGiven)) {
        file.m_strFinalName = wanted;
    } else {
        file.m_strFinalName = NumberedFreeName(wanted, use->m_bGiven, file);
        use = &m_runNames.FindOrAdd(file.m_strFinalName);
    }
    use->m_bGiven = true;
    file.m_status = PlanStatus::Planned;

    // Text is dropped only from a name with two hyphens or more; cutting the
    // extension off takes characters away, never adds one.
    if (m_settings.m_bPatternMode && listedName.count(u'-') >= 2) {
        QString extension;
        const QString lost = TextLostBySwap(SplitExtension(listedName, extension));
        if (!lost.isEmpty()) {
            file.m_nFlags |= PlanLossySwap;
            AddReason(file, m_reasons.m_strLossySwap.arg(Quoted(lost)));
        }
    }
}

const PlannedFile& CRunPlanner::File(std::size_t index) const
{
    if (m_settings.m_bKeepFiles)
        return m_files[index];
    if (index + 1 == m_nAdded)
        return m_last;
    return m_marked.at(index);
}

// A partner that was planned without a mark kept its wanted name untouched:
// no flags, no reason, copied under the name the column shows.
PlannedFile& CRunPlanner::FileToUpdate(std::size_t index, const QString& wanted)
{
    if (m_settings.m_bKeepFiles)
        return m_files[index];
    const auto [kept, added] = m_marked.try_emplace(index);
    if (added) {
        kept->second.m_strNewName = wanted;
        kept->second.m_strFinalName = wanted;
        kept->second.m_status = PlanStatus::Planned;
    }
    return kept->second;
}

// The name the convert asks for: cleaned and shortened as it does it, not
// yet numbered.
QString CRunPlanner::CleanedName(const QString& listedName, const QString& newName,
                                 PlannedFile& file) const
{
    QString extension;
    if (m_settings.m_names == PlanNames::Computed) {
        // The convert cleans the mode's name and appends the listed extension
        // after that, as it stands.
        SplitExtension(listedName, extension);
        if (!newName.endsWith(extension))
            extension.clear();
    }
    QString name = newName.left(newName.size() - extension.size());
    if (RemoveInvalidChars(name)) {
        file.m_nFlags |= PlanCleaned;
        AddReason(file, m_reasons.m_strCleaned);
    }
    name += extension;
    if (ShortenLongName(name, m_nNameLimit)) {
        file.m_nFlags |= PlanShortened;
        AddReason(file, m_reasons.m_strShortened);
    }
    return name;
}

// An empty name points at the output folder itself, which stands.
bool CRunPlanner::Taken(const QString& name, bool givenInRun) const
{
    return name.isEmpty() || givenInRun || m_folderNames.contains(name);
}

QString CRunPlanner::NumberedFreeName(const QString& wanted, bool givenInRun, PlannedFile& file)
{
    file.m_nFlags |= PlanNumbered;
    AddReason(file, (givenInRun && !m_folderNames.contains(wanted) ? m_reasons.m_strTakenInRun
                                                                   : m_reasons.m_strInFolder)
                        .arg(Quoted(wanted)));
    const auto taken = [this](const QString& name) {
        const NameUse* use = m_runNames.Find(name);
        return Taken(name, use && use->m_bGiven);
    };
    // The first free number of a name only grows as names are taken, so the
    // search goes on where it stopped last time: a run of 100,000 equal names
    // stays linear.
    int& next = m_nextNumber[wanted];
    next = std::max(next, 1);
    QString candidate = NumberedName(wanted, next);
    while (taken(candidate))
        candidate = NumberedName(wanted, ++next);
    return candidate;
}

std::vector<PlannedFile> PlanRun(const PlanSettings& settings, const std::vector<PlanRow>& rows)
{
    CRunPlanner planner(settings);
    planner.Reserve(rows.size());
    for (const PlanRow& row : rows)
        planner.Add(row.m_strName, row.m_strNewName);
    return planner.Files();
}
