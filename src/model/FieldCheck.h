#pragma once

#include <QtGlobal>

// What the collection service requires of a field, the column of the field table that says it; the
// checks themselves are in checks/ServiceChecks. Besides its rule, every text field is checked for
// the bytes of a character written in UTF-8.
enum class CheckRule : quint8 {
    None,
    Rut,        // a whole number from 1 to 99 999 999
    Dv,         // one of 0-9 or K, the check character of `rut`
    NotBlank,   // not only blanks
    Sexo,       // M or F
    YesNo,      // S or N
    Regimen,    // AFP, INP, IPS or SIP
    Nacion,     // 0 or 1
    Code,       // a code of the table `codeSection`
    PeriodFrom, // mmaaaa, month 01 to 12, year 1980 to next year
    PeriodTo,   // 000000, or mmaaaa as the period from and not before it
    Count,      // a whole number from 0 to `param` (-1: no highest)
    DateFrom,   // no date or a real dd-mm-aaaa / dd/mm/aaaa; a real one for some movements
    DateTo,     // no date, or a real one not before the date from
    AfpVolun,   // empty, 0 or a code of `codeSection`
    MovVolun,   // empty, 10 or a code of `codeSection`
    OtherRut,   // empty, 0 or digits
    OtherDv,    // the check character of the RUT at position `param`, when it is not empty or 0
    Amount,     // not negative, whole, its text within the field's fixed-position width
    Rate,       // as an amount, but a fraction is allowed
};

struct FieldCheck {
    CheckRule rule = CheckRule::None;
    const char *codeSection = nullptr; // a section of the code-table file, as it is written there
    int param = 0;
};
