// Reading project data files of the four layouts, and stage files, into the
// project and its tables.
#pragma once

class TProgramData;
class TWordReader;

// Every problem of a project file (the short-term and the long-term one when
// NEXT is 9). The project has its defaults and empty tables on entry.
// Throws EReadError at the first value that cannot be read; what was read
// stays.
void ReadDataFile(TProgramData& project, TWordReader& reader, int layout);

// One problem of a stage file into the current project and tables, then
// NEXT into NextCode (LongTerm exactly when it is 9).
void ReadStageProblem(TProgramData& project, TWordReader& reader, int layout);
