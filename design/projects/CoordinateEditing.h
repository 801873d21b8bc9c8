// The rules of the geometry file dialog's two lists: coordinate rows, the
// point proposed for a new row, and which set names can be stored.
#pragma once

#include "framework/Portable.h"

#include <vector>

class CGeometryFile;

struct CoordinateRow
{
    int nIndex = 0;
    double x = 0, y = 0, z = 0;

    // "%d: %lf %lf %lf"; FALSE when the row does not read.
    BOOL Parse(const CString& strRow);
    // "%4d:\t%8.2f\t%8.2f\t%8.2f".
    CString Format() const;
};

// The row proposed for the new-item row of a list of n rows (the last one
// being the empty new-item row): continued in a straight line from the two
// rows before it, or 0, 0, 0 when there are fewer.
CoordinateRow ProposeCoordinate(const std::vector<CString>& rows);

// The rows showing one set (index 1 .. size-1).
std::vector<CString> CoordinateRows(const CGeometryFile& file, const CString& strName);

// Why a set name cannot be stored ("" when it can): empty, already used,
// or read back as a coordinate line.
CString SetNameProblem(const CGeometryFile& file, const CString& strName,
                       const CString& strOldName = CString());

// The set under the name becomes the points of the rows, in row order and
// numbered from 1 (rows deleted from the list are gone from the set).
void StoreCoordinateRows(CGeometryFile& file, const CString& strName, const std::vector<CString>& rows);
// Moves the set to the new name (in the map and the list of names).
void RenameSet(CGeometryFile& file, const CString& strOld, const CString& strNew);
// Removes the set and its name.
void RemoveSet(CGeometryFile& file, const CString& strName);
