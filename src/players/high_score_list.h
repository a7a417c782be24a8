#pragma once
// A ranked table of scores kept in a list box and in a score file of its own.
//
// Each entry (a score line) is the player's name padded with blanks to the width of the name
// column, the separator (a TAB) and the score as decimal text.  The list box shows one row per
// entry, "<rank>. <score line>", best first.  The file holds exactly one line per entry, ended
// by CR LF, each passed through ScrambleText (one byte per character, Latin-1), so that the
// file is not plain text; the same routine turns a line back.
//
// The file is rewritten whole, atomically, after every accepted score: a crash or a full disk
// leaves the old file.  A file that exists but cannot be read is never overwritten.  Failures
// to write are kept in lastFailure() for the screen to tell the player.

#include "platform/file_failure.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {
class ListBox;
}

namespace players {

class HighScoreList {
public:
    // Reads the score file (or creates it with default entries when it is missing or holds too
    // few lines) and appends one row per entry to theList.  Unset fields take their defaults
    // first: 100 entries, a TAB as separator, "Scores.tvo" in the program's folder.
    void FillScoreList(platform::ListBox& theList);
    void SetSeparator(const QString& newString) { separator_ = newString; }
    void SetListCount(int16_t numPeople) { listCount_ = numPeople; }
    void SetNameLength(int16_t length) { nameLength_ = length; }
    // The width of the name column in letters "N"; 10 while unset.
    int16_t GetNameLength() const { return nameLength_ == 0 ? kDefaultNameLength : nameLength_; }
    // Enters a score at its rank (below every equal score), selects its row and rewrites the
    // file.  False when the score is not higher than the last entry: nothing changes then.
    // The name is changed in place: control characters become blanks, then it is padded.
    bool AddHighScore(platform::ListBox& theList, QString& pName, int32_t pScore);
    void FileName(const QString& theName) { scoreFile_ = theName; }
    QString DefaultFileName() const;
    QString DefaultFileName_pn() const;
    QString DefaultFileName_pp() const;
    QString DefaultFileName_pp2() const;
    QString DefaultFileName_pp3() const;
    QString DefaultFileName_nn() const;
    QString DefaultFileName_nn2() const;

    int16_t listCount() const { return listCount_; }
    const QString& scoreFile() const { return scoreFile_; }

    // The substitution of the score files: the alphabet, and the same characters in another
    // order that is its own inverse.  TAB stands for itself; other characters are dropped.
    static const QString& Alphabet();
    static const QString& Permutation();
    static QString ScrambleText(const QString& text);

    // The decimal reading of a score, clamped to the 32-bit range.
    static int32_t readScore(const QString& text);

    // The last failure to read or write the score file since it was cleared: the file, the
    // system's reason (for the log) and its kind (CannotRead or CannotWrite, for the player).
    struct Failure {
        QString file;
        QString reason;
        platform::FileFailure kind = platform::FileFailure::CannotWrite;
    };
    const std::optional<Failure>& lastFailure() const { return failure_; }
    void clearFailure() { failure_.reset(); }

    // Limits of the reading of a score file.
    static constexpr int kValidityChars = 32000;
    static constexpr int kMaxLineChars = 32767;
    static constexpr int16_t kDefaultNameLength = 10;
    static constexpr int16_t kDefaultListCount = 100;

private:
    int16_t FindScorePosition(const platform::ListBox& theList, int32_t pScore) const;
    static int16_t CountLines(const QString& text);
    QString AppFolder() const;
    void PadToWidth(QString& name, const platform::ListBox& theList);
    QString GetNamePart(const QString& line, const platform::ListBox& theList);
    QString GetScorePart(const QString& line) const;

    void setDefaults();
    // The default entry: asterisks and -100.
    QString defaultLine() const;
    // A table of default entries in the list box, their names padded.
    void addDefaultRows(platform::ListBox& theList);
    // Writes the lines (each scrambled, ended by CR LF) in place of the file, or records why
    // it could not.
    bool writeFile(const QStringList& lines);
    void fail(platform::FileFailure kind, const QString& reason);

    int16_t listCount_ = 0;
    int16_t nameLength_ = 0;
    QString separator_;
    QString scoreFile_;
    // The file existed but could not be read: it is kept as it is.
    bool unreadable_ = false;
    std::optional<Failure> failure_;
};

// A name as a score line holds it: composed characters (NFC), and blanks for TAB, line breaks
// and other control characters.
QString nettoyer_nom(const QString& name);

} // namespace players
