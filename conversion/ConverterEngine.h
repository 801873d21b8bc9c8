// One "Convert": the selected data files into a list file, the options
// confirmed, the outside converter D7IZUVI run once over the list, and,
// when asked, the outputs and the project's log given the run's time stamp.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolCompiler.h"
#include "conversion/ConversionModel.h"

// The options dialog, as the engine uses it.
class IConversionOptionsPrompt
{
public:
    virtual ~IConversionOptionsPrompt() = default;
    // Shows the options for the output folder; true when the user confirmed.
    virtual bool Confirm(const CString& strOutputFolder) = 0;
    virtual CString BuildCommandLine(const CString& strListFile) = 0;
    virtual CString GetOutputExtension() = 0;
    virtual BOOL GetTimeStampOption() = 0;
    // A stamped output would replace a file of an earlier run: true lets it.
    virtual bool ConfirmReplace(const CString& /*strFileName*/, const CString& /*strReplacePath*/,
                                const CString& /*strWithPath*/)
    {
        return true;
    }
};

class CConverterEngine : public CProtocolCompiler
{
public:
    // Results of Convert.
    static constexpr int CONVERT_OK = 0;
    static constexpr int CONVERT_CANCELLED = 1;
    // The converter ran and failed, or could not be started: reported here.
    static constexpr int CONVERT_FAILED = 2;
    static constexpr int CONVERT_NOTHING_RUN = -1;

    CConverterEngine(CConversionModel* pModel, CProtocolRowSource* pRows, const CString& strDocumentPath,
                     IConversionOptionsPrompt* pPrompt);
    ~CConverterEngine() override;

    virtual int Convert();
    virtual void CollectOutput(const CString& strListFile, const CString& strExtension);

    // The converter's exit status of the last run (or NOT_STARTED).
    int GetExitStatus() const { return m_nExitStatus; }
    // The log the converter writes: the project path with its extension
    // replaced by ".Log", in the folder's short form when it has one.
    static CString MakeConverterLogName(const CString& strDocumentPath);
    // The stamp of a run: "%Y.%m.%d.%H.%M.%S" of local time.
    static CString MakeTimeStamp(const CTime& time);
    // The time the stamp is taken from (tests fix it; null: the clock).
    void SetClock(CTime (*pfnNow)()) { m_pfnNow = pfnNow; }

private:
    CString CommandWithProgramFolder(const CString& strCommand);
    void ReportFailure(int nExitStatus);
    void StampOutput(const CString& strSource, const CString& strTarget);

    CConversionModel* m_pConversionModel;
    CString m_strDocumentPath;
    IConversionOptionsPrompt* m_pPrompt;
    int m_nExitStatus = 0;
    CTime (*m_pfnNow)() = nullptr;
};
