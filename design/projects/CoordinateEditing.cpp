#include "framework/Portable.h"
#include "design/projects/CoordinateEditing.h"
#include "design/GeometryFile.h"
#include "design/TextLines.h"

#include <algorithm>
#include <cstdio>

BOOL CoordinateRow::Parse(const CString& strRow)
{
    designtext::Scanner scanner(strRow.str());
    if (!scanner.Int(nIndex) || !scanner.Char(':'))
        return FALSE;
    return scanner.Double(x) && scanner.Double(y) && scanner.Double(z) ? TRUE : FALSE;
}

CString CoordinateRow::Format() const
{
    CString strRow;
    strRow.Format("%4d:\t%s", nIndex, designtext::FormatFixed(x, 8, 2).c_str());
    strRow.AppendFormat("\t%s\t%s", designtext::FormatFixed(y, 8, 2).c_str(),
                        designtext::FormatFixed(z, 8, 2).c_str());
    return strRow;
}

CoordinateRow ProposeCoordinate(const std::vector<CString>& rows)
{
    CoordinateRow proposal;
    const int n = static_cast<int>(rows.size());
    proposal.nIndex = n;
    CoordinateRow p, q;
    if (n > 2 && p.Parse(rows[n - 3]) && q.Parse(rows[n - 2])) {
        proposal.x = 2 * q.x - p.x;
        proposal.y = 2 * q.y - p.y;
        proposal.z = 2 * q.z - p.z;
    }
    return proposal;
}

std::vector<CString> CoordinateRows(const CGeometryFile& file, const CString& strName)
{
    std::vector<CString> rows;
    const CoordinateSet* pSet = file.GetSet(strName);
    if (!pSet)
        return rows;
    for (int k = 1; k < pSet->GetSize(); ++k) {
        CoordinateRow row;
        row.nIndex = k;
        row.x = pSet->GetAt(k).x;
        row.y = pSet->GetAt(k).y;
        row.z = pSet->GetAt(k).z;
        rows.push_back(row.Format());
    }
    return rows;
}

CString SetNameProblem(const CGeometryFile& file, const CString& strName, const CString& strOldName)
{
    CString strTrimmed(strName);
    strTrimmed.Trim();
    if (strTrimmed.IsEmpty())
        return "A coordinate set needs a name.";
    if (!CGeometryFile::IsSetNameLine(strTrimmed))
        return "The name '" + strTrimmed +
               "' would be read back as a coordinate line. Please choose another name.";
    if (strTrimmed != strOldName && file.GetSet(strTrimmed))
        return "A coordinate set named '" + strTrimmed + "' already exists.";
    return CString();
}

void StoreCoordinateRows(CGeometryFile& file, const CString& strName, const std::vector<CString>& rows)
{
    CoordinateSet* pSet = file.GetSet(strName);
    if (!pSet)
        return;
    pSet->SetSize(1);
    Coordinate origin;
    pSet->SetAt(0, origin);
    for (const CString& strRow : rows) {
        CoordinateRow row;
        if (!row.Parse(strRow))
            continue;
        Coordinate point(row.x, row.y, row.z);
        pSet->Add(point);
    }
}

void RenameSet(CGeometryFile& file, const CString& strOld, const CString& strNew)
{
    CoordinateSet* pSet = file.GetSet(strOld);
    if (!pSet || strOld == strNew)
        return;
    auto* pCopy = new CoordinateSet;
    pCopy->Copy(*pSet);
    file.m_sets.RemoveKey(strOld);
    file.m_sets.SetAt(strNew, pCopy);
    for (CString& strName : file.m_names)
        if (strName == strOld)
            strName = strNew;
}

void RemoveSet(CGeometryFile& file, const CString& strName)
{
    file.m_sets.RemoveKey(strName);
    file.m_names.erase(std::remove(file.m_names.begin(), file.m_names.end(), strName), file.m_names.end());
}
