// The rows of the spacing selection: one per (a, n) pair the generator will
// run, with its pseudo-depth, a "*" when an earlier pair reaches nearly the
// same depth, and whether the pair is in the skip list.
#pragma once

#include "framework/Portable.h"

#include <vector>

class CVikaProtocolSkipList;

struct SpacingChoice
{
    int a = 0;
    int n = 0;
    CString strText;
    BOOL bChecked = TRUE;
};

struct SpacingRange
{
    int minA = 1;
    int maxA = 1;
    int minN = 1;
    int maxN = 1;
    BOOL bUsesN = FALSE;
};

// a-major rows; FALSE when the array code has no layout.
BOOL ListSpacingChoices(int nArrayCode, const SpacingRange& range, const CString& strRowFormat,
                        const CVikaProtocolSkipList& skipList, std::vector<SpacingChoice>& choices);
// The skip list becomes the unchecked pairs.
void StoreSpacingChoices(const std::vector<SpacingChoice>& choices, CVikaProtocolSkipList& skipList);
