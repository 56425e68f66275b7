#include "qvcontainer/ContainerPages.h"

#include <cstdio>

#include "qvhost/PageTabs.h"
#include "qvhost/PngFile.h"
#include "qvhost/windows/SheetWindow.h"
#include "qvhost/windows/WindowPixels.h"
// After the contract headers: the system's macros would replace the contract's names.
#include "platform/windows/SystemApi.h"

#include <ocidl.h>

#include "qvcontainer/ComPtr.h"
#include "qvcontainer/ContainerPageSite.h"
#include "qvcontainer/VariantText.h"

namespace qv::container {

namespace {

HWND Real(win32::HWND hWnd) {
    return windows::ToReal<HWND>(hWnd);
}

[[noreturn]] void Fail(const std::string& sWhat, HRESULT hr) {
    char szCode[16];
    std::snprintf(szCode, sizeof szCode, "0x%08lX", static_cast<unsigned long>(hr));
    throw qvhost::HostPlatformError("property pages: " + sWhat + " failed " + szCode);
}

// The pages the object names, created; a page that cannot be created is left out.
std::vector<ComPtr<IPropertyPage>> CreatePages(IUnknown* pObject) {
    ComPtr<ISpecifyPropertyPages> specify;
    HRESULT hr = pObject->QueryInterface(IID_ISpecifyPropertyPages, specify.OutVoid());
    if (FAILED(hr)) Fail("ISpecifyPropertyPages", hr);
    CAUUID pages{};
    hr = specify->GetPages(&pages);
    if (FAILED(hr)) Fail("GetPages", hr);
    std::vector<ComPtr<IPropertyPage>> created;
    for (ULONG i = 0; i < pages.cElems; ++i) {
        ComPtr<IPropertyPage> page;
        ::CoCreateInstance(pages.pElems[i], nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                           page.OutVoid());
        created.push_back(std::move(page));
    }
    ::CoTaskMemFree(pages.pElems);
    return created;
}

struct PageInfo {
    std::string sTitle;
    SIZE size{};
};

PageInfo InfoOf(IPropertyPage& page) {
    PROPPAGEINFO info{};
    info.cb = sizeof info;
    PageInfo result;
    if (FAILED(page.GetPageInfo(&info))) return result;
    result.sTitle = info.pszTitle ? Utf8FromWide(info.pszTitle) : std::string();
    result.size = info.size;
    for (LPOLESTR sText : {info.pszTitle, info.pszDocString, info.pszHelpFile})
        ::CoTaskMemFree(sText);
    return result;
}

}  // namespace

// What the container holds while a page is shown: its site goes last, after the page
// gave it back.
struct ContainerPages::Parts {
    ContainerPageSite site;
    std::unique_ptr<qvhost::SheetWindow> pSheet;
    ComPtr<IPropertyPage> page;
    HWND hPage = nullptr;
};

std::unique_ptr<ContainerPages> ContainerPages::Open(const std::string& sPage,
                                                     const std::vector<IUnknown*>& objects,
                                                     std::function<void()> runUntilIdle) {
    if (objects.empty()) throw qvhost::HostPlatformError("property pages: no object");
    std::vector<ComPtr<IPropertyPage>> pages = CreatePages(objects.front());
    const std::size_t nShown = qvhost::PageTabIndex(sPage);
    if (nShown >= pages.size() || !pages[nShown]) Fail("CoCreateInstance of the page", E_FAIL);

    std::vector<std::string> titles;
    for (const auto& page : pages) titles.push_back(page ? InfoOf(*page.Get()).sTitle : "");
    const std::vector<std::string_view> captions(titles.begin(), titles.end());
    const SIZE size = InfoOf(*pages[nShown].Get()).size;

    auto pParts = std::make_unique<Parts>();
    pParts->page = std::move(pages[nShown]);
    pParts->pSheet = std::make_unique<qvhost::SheetWindow>(captions, nShown, size.cx, size.cy,
                                                           win32::HWND{});
    std::unique_ptr<ContainerPages> pShown(
        new ContainerPages(std::move(pParts), std::move(runUntilIdle)));
    Parts& parts = *pShown->m_pParts;
    IPropertyPage& page = *parts.page.Get();
    HRESULT hr = page.SetPageSite(&parts.site);
    if (SUCCEEDED(hr)) {
        std::vector<IUnknown*> shownObjects = objects;
        hr = page.SetObjects(static_cast<ULONG>(shownObjects.size()), shownObjects.data());
    }
    const win32::RECT area = parts.pSheet->PageArea();
    const RECT rcPage{area.left, area.top, area.right, area.bottom};
    if (SUCCEEDED(hr)) hr = page.Activate(Real(parts.pSheet->hWnd()), &rcPage, FALSE);
    if (FAILED(hr)) Fail("opening the page", hr);
    page.Show(SW_SHOW);
    parts.hPage = Real(parts.pSheet->PageWindow());
    parts.pSheet->Show();
    pShown->FocusFirstControl();
    pShown->RunUntilIdle();
    return pShown;
}

ContainerPages::ContainerPages(std::unique_ptr<Parts> pParts, std::function<void()> runUntilIdle)
    : WindowWidgetSheet(std::move(runUntilIdle)), m_pParts(std::move(pParts)) {
    qvhost::SheetWindow& sheet = *m_pParts->pSheet;
    IPropertyPage* pPage = m_pParts->page.Get();
    m_pParts->site.OnEdit([&sheet, pPage] { sheet.EnableApply(pPage->IsPageDirty() == S_OK); });
}

ContainerPages::~ContainerPages() {
    Cancel();
}

void ContainerPages::Apply() {
    m_pParts->page->Apply();
}

// The page leaves the sheet and lets go of the objects and the site.
void ContainerPages::Cancel() {
    if (!m_pParts->page) return;
    IPropertyPage& page = *m_pParts->page.Get();
    page.Deactivate();
    page.SetObjects(0, nullptr);
    page.SetPageSite(nullptr);
    m_pParts->page.Reset();
    m_pParts->hPage = nullptr;
}

void ContainerPages::WritePicture(const std::filesystem::path& path) const {
    RunUntilIdle();
    const qvhost::WindowImage image = qvhost::ReadWindowImage(m_pParts->pSheet->hWnd());
    std::string sError;
    if (!qvhost::WriteStoredPngFile(path, image.nWidth, image.nHeight, image.pixels, sError))
        throw qvhost::HostPlatformError(path.string() + ": " + sError);
}

win32::HWND ContainerPages::PageWindow() const {
    return windows::ToOurs<win32::HWND>(m_pParts->hPage);
}

bool ContainerPages::Changed() const {
    return m_pParts->page && m_pParts->page->IsPageDirty() == S_OK;
}

}  // namespace qv::container
