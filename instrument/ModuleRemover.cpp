#include "instrument/ModuleRemover.h"

#include "instrument/Command.h"
#include "instrument/InstrumentTables.h"

void ModuleRemover::Steps()
{
    Connect(FALSE);
    const bool full = m_command.IsFullDialect();
    for (const RemovalRow& row : kRemovalTable) {
        if (!(m_mask & row.bit))
            continue;
        if (m_window.IsAborted())
            break;
        Log("\r\nRemoving: %s", row.logName);
        m_command.Send(RemovalCommand(row, full), Command::kAckTimeout);
        m_command.ReadUntil('!', m_window.Monitor());
        Log(" Ok!");
    }
}

BOOL ModuleRemover::FinishedNormally()
{
    if (!m_window.IsAborted())
        return TRUE;
    Log("\r\n\r\n --- Remove modules aborted! ---\r\n");
    return FALSE;
}
