#pragma once

// One form object kept across fuzz inputs. Building a form from its template costs
// far more than a run's exchange and calculation, so an input starts from the form
// the previous one left, brought back to the state of a new form: the record's
// defaults, written to the fields and radio groups, and each control enabled or
// greyed as when the form opened (the radio handlers grey fields; a write does not
// bring them back). A form that a run ended ("OK" with a read that passed) is
// closed and built again.

#include "CDialog.h"

#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

namespace fuzzform {

template <class Form, class Record> class ReusedForm {
public:
    // The form as opened, with nothing typed; nullptr when it does not open.
    Form* Fresh() {
        if (form_ && form_->result() != 0)
            form_.reset();
        if (!form_)
            return Open();
        static_cast<Record&>(*form_) = Record();
        for (const auto& [control, enabled] : opened_) {
            if (control->isEnabled() != enabled)
                control->setEnabled(enabled);
        }
        form_->UpdateData(false);
        return form_.get();
    }

private:
    Form* Open() {
        auto form = std::make_unique<Form>();
        if (!form->Create())
            return nullptr;
        opened_.clear();
        for (QWidget* control : form->template findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            opened_.emplace_back(control, control->isEnabled());
        form_ = std::move(form);
        return form_.get();
    }

    std::unique_ptr<Form> form_;
    std::vector<std::pair<QWidget*, bool>> opened_; // each control, enabled when the form opened
};

} // namespace fuzzform
