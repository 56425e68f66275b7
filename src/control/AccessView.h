#pragma once

#include "access/ListView.h"

namespace qv {

class ColorListBox;

// The control as its accessibility model reads it, and the user input the model's
// default action goes through.
class ColorListBoxAccess : public access::IListView, public access::IListActions {
  public:
    explicit ColorListBoxAccess(ColorListBox& control) : m_control(control) {}

    access::ListFacts List() const override;
    access::ItemFacts Item(Long nIndex) const override;
    void ActOnItem(Long nIndex) override;

  private:
    ColorListBox& m_control;
};

}  // namespace qv
