// The archive's loading side over arbitrary bytes: object graphs with
// classes, back-references and cycles, the string and count forms, the
// collections' Serialize, and text lines. Bad input must end in
// CArchiveException (or CMemoryException), never in a crash, a leak or a
// huge allocation.
#include "framework/Portable.h"

#include <cstdint>
#include <set>

class CFuzzNode;

namespace {

// Every node alive, so the harness can free graphs with cycles or shared
// children (the nodes themselves do not own what they point to).
std::set<CFuzzNode*>& LiveNodes() {
  static std::set<CFuzzNode*> s_nodes;
  return s_nodes;
}

} // namespace

class CFuzzNode : public CObject {
  DECLARE_SERIAL(CFuzzNode)
public:
  CFuzzNode() { LiveNodes().insert(this); }
  ~CFuzzNode() override { LiveNodes().erase(this); }

  void Serialize(CArchive& ar) override {
    if (ar.IsStoring())
      return;
    UINT nSchema = ar.GetObjectSchema();
    ar >> m_strName >> m_nValue;
    DWORD nChildren = ar.ReadCount();
    ar.CheckCount(nChildren, 2);
    for (DWORD i = 0; i < nChildren; ++i) {
      CFuzzNode* pChild = NULL;
      ar >> pChild;
      m_children.Add(pChild);
    }
    if (nSchema >= 2) {
      m_strings.Serialize(ar);
      m_comments.Serialize(ar);
      m_values.Serialize(ar);
    }
  }

  CString m_strName;
  int m_nValue = 0;
  CArray<CFuzzNode*, CFuzzNode*> m_children;
  CStringArray m_strings;
  CMap<int, int, CString, CString&> m_comments;
  CArray<double, double> m_values;
};
IMPLEMENT_SERIAL(CFuzzNode, CObject, VERSIONABLE_SCHEMA | 2)

namespace {

void ReadGraph(CArchive& ar) {
  for (int i = 0; i < 4; ++i) {
    CObject* pOb = ar.ReadObject(RUNTIME_CLASS(CFuzzNode));
    if (pOb == NULL)
      break;
  }
}

void ReadCollections(CArchive& ar) {
  CStringList list;
  list.Serialize(ar);
  CMapStringToString map;
  map.Serialize(ar);
  CDWordArray dwords;
  dwords.Serialize(ar);
  CString s;
  ar >> s;
  DWORD n = ar.ReadCount();
  (void)n;
}

void ReadLines(CArchive& ar) {
  CString line;
  int nLines = 0;
  while (ar.ReadString(line))
    ++nLines;
  char szBuffer[16];
  (void)ar.ReadString(szBuffer, sizeof szBuffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  CMemFile file(data + 1, (UINT)(size - 1));
  try {
    CArchive ar(&file, CArchive::load, 256);
    switch (data[0] % 3) {
    case 0: ReadGraph(ar); break;
    case 1: ReadCollections(ar); break;
    default: ReadLines(ar); break;
    }
  } catch (const CArchiveException&) {
  } catch (const CMemoryException&) {
  }
  while (!LiveNodes().empty())
    delete *LiveNodes().begin();
  return 0;
}
