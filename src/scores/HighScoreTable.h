// The top-ten table in memory: loading it from and saving it to the score
// file, the new-record test and the insertion of a new record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "HighScores.h"
#include "ScoreFile.h"

namespace burrowbop {

// The entry of a place that has never been taken, and the default of every
// value missing from the file.
THighScoreEntry PlaceholderEntry();

// The text-to-integer conversion of the run-time library: leading blanks, an
// optional sign, then decimal digits, or hexadecimal digits after '$', 'x' or
// "0x". Throws ScoreError "'<text>' is not a valid integer value" for any
// other text (the text as stored, in code page 936).
int32_t StrToInt(std::string_view text);

class HighScoreTable {
public:
    HighScoreTable();  // ten placeholders

    // Placeholders first, then the thirty reads: section "0" Name, Date,
    // Score, then section "1", and so on. Every value is cut to its field.
    void LoadHighScores(ScoreFile& file);

    // The thirty writes in the same order, then the flush. Throws ScoreError
    // "Unable to write to ./rat.ini: <reason>" when the file cannot be written.
    void SaveHighScores(ScoreFile& file);

    // Whether hitCount earns a place; on yes NewRecordIndex is that place:
    // above the first entry it beats, below every equal score. Throws
    // ScoreError when the scan reaches a score text that is no integer.
    bool IsNewRecord(int32_t hitCount);

    // Inserts the record at NewRecordIndex, moving the entries below it down
    // one place (the last falls out). name and date are code page 936 text,
    // cut to their fields like the score's decimal text. Does nothing when
    // NewRecordIndex is no place of the table.
    void EnterNewRecord(std::string_view name, std::string_view date, int32_t hitCount);

    THighScores HighScores;
    int32_t NewRecordIndex = 0;
};

}  // namespace burrowbop
