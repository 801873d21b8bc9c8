// "Administrator Setup": the service page of the settings sheet. It reads
// the instrument's serial number, instrument type and DC/DC converter when
// it is shown, and writes back those the user changed. Its command client
// is made when the page is shown, so building the sheet never touches the
// port.
#pragma once

#include "framework/Framework.h"

#include "instrument/Command.h"
#include "res/InstrumentRes.h"

#include <memory>

class CAdministratorPage : public CPropertyPage {
    DECLARE_DYNCREATE(CAdministratorPage)

public:
    enum { IDD = IDD_ADMINISTRATOR_PAGE };

    CAdministratorPage();
    ~CAdministratorPage() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // After the sheet closed with OK, in this order.
    void ApplySerialNumber();
    void ApplyInstrumentType();
    void ApplyConverterType();
    // The three, then one message naming what was written (none when
    // nothing changed).
    void ApplyAll();

    CString m_serialText = "N/A";
    int m_typeIndex = 1;
    int m_converterIndex = 0;
    BOOL m_initialised = FALSE;

protected:
    // Shows a failed write's message; the tests record it.
    virtual void ShowError(const char* text);
    // Shows what was written.
    virtual void ShowWritten(const char* text);

private:
    void ReadInstrument(class IStatusLog& status);
    void Write(const char* failure, void (CAdministratorPage::*write)());
    void WriteSerialNumber();
    void WriteInstrumentType();
    void WriteConverterType();

    std::unique_ptr<Command> m_command;
    CString m_written;  // a line for each value sent
};
