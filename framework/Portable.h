// The portable classes of the library: types, strings, files, archives,
// collections and geometry. Code that builds in both trees includes this
// (or the single headers it needs), never the window classes.
#pragma once

#include "framework/Types.h"

#include "framework/Debug.h"
#include "framework/Object.h"
#include "framework/String.h"
#include "framework/Exception.h"
#include "framework/ArchiveException.h"
#include "framework/FileException.h"
#include "framework/Archive.h"
#include "framework/Time.h"
#include "framework/File.h"
#include "framework/StdioFile.h"
#include "framework/MemFile.h"
#include "framework/FileFind.h"
#include "framework/Array.h"
#include "framework/List.h"
#include "framework/Map.h"
#include "framework/Collections.h"
#include "framework/StringArray.h"
#include "framework/StringList.h"
#include "framework/ObArray.h"
#include "framework/ObList.h"
#include "framework/MapStringToOb.h"
#include "framework/TypedPtr.h"
#include "framework/Geometry.h"
