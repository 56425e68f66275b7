#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VariantPrinter.h"
#include "control/ColorListBox.h"
#include "dispatch/ColorListBoxDispatch.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/host/Form.h"
#include "qvhost/PlacedList.h"

namespace qv {

// Reads the list model through the control's read-only view, and reaches the layout and
// the rule settings that only the control's own routines change.
struct ColorListBoxInspector {
    static const ListModel& Model(const ColorListBox& c) { return c.Model(); }
    static Long ListIndex(const ColorListBox& c) { return c.Model().ListIndex(); }
    static const std::vector<Long>& CheckList(const ColorListBox& c) {
        return c.Model().CheckList();
    }
    static Long CheckListCount(const ColorListBox& c) { return c.Model().CheckListCount(); }
    static Long AnchorIndex(const ColorListBox& c) { return c.Model().AnchorIndex(); }
    static const std::vector<Long>& SelList(const ColorListBox& c) { return c.Model().SelList(); }
    static Long SelListCount(const ColorListBox& c) { return c.Model().SelListCount(); }

    // The current item moved without touching a flag, as SetCurrentIndex does.
    static void SetListIndex(ColorListBox& c, Long nIndex) {
        c.m_model.SetCurrentIndex(nIndex, true);
    }
    // Rule settings stored as saved properties are: without the setters' side effects.
    static void SetStyle(ColorListBox& c, enmStyle eStyle) { c.m_model.LoadStyle(eStyle); }
    static void SetMultiSelect(ColorListBox& c, enmMultiSelect eMode) {
        c.m_model.LoadMultiSelect(eMode);
    }
    static void SetMaxCheck(ColorListBox& c, Long nMax) { c.m_model.LoadMaxCheck(nMax); }
    static bool ToggleItemCheck(ColorListBox& c, Long nIndex) {
        return c.m_model.ToggleItemCheck(nIndex);
    }
    static void SelectByInput(ColorListBox& c, Long nIndex, Integer nShift, bool bToggleCheck) {
        c.SelectByInput(nIndex, nShift, bToggleCheck);
    }
    static bool SetCurrentIndex(ColorListBox& c, Long nIndex, bool bAllowNone) {
        return c.m_model.SetCurrentIndex(nIndex, bAllowNone);
    }
    static void SelectAll(ColorListBox& c) { c.m_model.SelectAll(); }
    static void SetHasFocus(ColorListBox& c, Boolean bFocus) { c.m_model.SetHasFocus(bFocus); }

    static void SetItemHeight(ColorListBox& c, Long nHeight) {
        c.m_nItemHeight = nHeight;
        c.UpdateScrollBar();
    }
    static Long TopIndex(const ColorListBox& c) { return c.TopIndex(); }
    static Long ScrollCount(const ColorListBox& c) { return c.Rows().nScrollCount; }
    static Integer VisibleCount(const ColorListBox& c) { return c.Rows().nVisibleCount; }
    static Long ItemHeight(const ColorListBox& c) { return c.Rows().nItemHeight; }
    static Integer GetItemVisibility(const ColorListBox& c, Long nIndex) {
        return c.GetItemVisibility(nIndex);
    }
    static Boolean IsLastRowWhole(const ColorListBox& c) { return c.IsLastRowWhole(); }
    static void ScrollToIndex(ColorListBox& c, Long nIndex, Integer nMode) {
        c.ScrollToIndex(nIndex, nMode);
    }
};

// Records what the control tells its host.
class HostRecorder : public site::IHostObserver, public ColorListBoxEvents {
  public:
    void OnPaintDelivered(site::ControlSiteCore&) override { ++nPaints; }
    void OnPropertyChanged(site::ControlSiteCore&, std::string_view sName) override {
        log.push_back("PropertyChanged " + std::string(sName));
    }
    void ItemCheck(Long& nItemIndex) override {
        log.push_back("ItemCheck " + std::to_string(nItemIndex));
    }
    void Scroll() override { log.push_back("Scroll"); }
    void Click() override { log.push_back("Click"); }

    int nPaints = 0;
    std::vector<std::string> log;
};

// One control on a form, initialised as a new control and shown.
class ControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        placed.StartNew();
        form.RunUntilIdle();
        recorder.nPaints = 0;
    }
    void TearDown() override { site.Terminate(); }

    // Runs the host's loop; returns the number of paints it delivered.
    int PaintsWhenIdle() {
        const int nBefore = recorder.nPaints;
        form.RunUntilIdle();
        return recorder.nPaints - nBefore;
    }

    void Fill(int nCount) {
        for (int i = 0; i < nCount; ++i) control.AddItem("Item " + std::to_string(i));
        form.RunUntilIdle();
        recorder.nPaints = 0;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (Long i = 0; i < control.ListCount(); ++i) {
            std::string sText;
            control.GetText(i, sText);
            texts.push_back(sText);
        }
        return texts;
    }

    std::vector<Long> SelectedIndices() const {
        std::vector<Long> indices;
        for (Long i = 0; i < control.ListCount(); ++i) {
            Boolean bSelected;
            control.GetSelectedItem(i, bSelected);
            if (bSelected.IsTrue()) indices.push_back(i);
        }
        return indices;
    }

    // Sets or reads a property by name through the dispatch interface, as a host does.
    void Let(std::string_view sName, Variant vValue) {
        std::vector<Variant> args = {std::move(vValue)};
        const InvokeKind eKind =
            args.front().IsObject() ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
        InvokeByName(control, ColorListBoxDispatch(), sName, eKind, args);
    }
    Variant Get(std::string_view sName) {
        std::vector<Variant> args;
        return InvokeByName(control, ColorListBoxDispatch(), sName, InvokeKind::PropertyGet, args);
    }

    using Inspect = ColorListBoxInspector;

    HostRecorder recorder;
    soft::Form form{640, 480, &recorder};
    qvhost::PlacedList placed{form, 10, 10, 200, 154, &recorder};
    site::ControlSiteCore& site = placed.Site();
    ColorListBox& control = placed.Control();
};

}  // namespace qv
