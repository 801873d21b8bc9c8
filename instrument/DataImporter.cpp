#include "instrument/DataImporter.h"

#include "CPP_ALL/GFComStream.h"
#include "instrument/Command.h"
#include "instrument/InstrumentTables.h"
#include "instrument/ZmodemTransfer.h"

void DataImporter::ReceiveFiles()
{
    ReceiveByZmodem(m_command, *m_window.Monitor(), &m_received);
}

void DataImporter::Steps()
{
    Connect();
    if (m_paths) {
        for (const std::string& path : *m_paths)
            Import(path.c_str(), "TXX " + path);
        return;
    }
    for (const ImportAllRow& row : kImportAllRows)
        Import(row.logName, row.command);
}

void DataImporter::Import(const char* what, const std::string& command)
{
    Log("\r\nImporting %s to %s", what, m_folder.c_str());
    m_command.Send(command.c_str(), Command::kAckTimeout);
    Log("\r\n\tTransferring file(s)...");
    m_command.GetLink()->Purge(0);
    m_window.EnableFields(TRUE);
    ReceiveFiles();
    m_window.EnableFields(FALSE);
    Log(" Ok!");
}
