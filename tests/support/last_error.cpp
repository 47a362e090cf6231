#include "support/last_error.h"

#include <windows.h>
#include <oleauto.h>

#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "platform/com/unique.h"

reported_error last_reported_error() {
    com::com_ptr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK) return {};
    com::unique_bstr source, description;
    info->GetSource(source.put());
    info->GetDescription(description.put());
    return {com::from_bstr(source.get()), com::from_bstr(description.get())};
}
