; Mensurix interface texts: English

[Messages]
MS_Homepage=Homepage: %1
MS_CopyRight=Copyright (C) %1
MS_ValueTooLong=The value can have at most %1 characters; the text was not inserted.
MS_BelowAbsoluteZero=The value lies below absolute zero (0 %1); no temperature is lower.
MS_Approximate=Approximate: built on π, shown only to the digits that are certain.
MS_NoValueAtZero=Zero has no value in this unit: one of the two units is the reciprocal of the other.
MS_Unit=Unit
MS_Value=Value
MS_FindUnit=Find a unit (Ctrl+F)
MS_NotAValue=Not a value: “%1” at character %2.
MS_Incomplete=The value is incomplete after “%1” (character %2).
MS_DecimalComma=“,” at character %2 would be a decimal comma; write “.”.
MS_TwoReadings=“%1” reads two ways: %3 or %4.
MS_DivisionByZero=Division by zero at character %2.
MS_UnknownUnit=“%1” is no unit of this category.
MS_AmbiguousUnit=“%1” names several units; write its symbol.
MS_MissingUnit=“%1” needs a unit, as the other numbers have.
MS_NotSummable=“%1” cannot be added to other units.

[FrmConvert]
Label1.Caption=Max number of digits:
Label2.Caption=Please select:
Label3.Caption=From:
Label4.Caption=To:
CheckBoxDouHao.Caption=Thousand separators
Label28.Caption=>> Language
BtnSysClose.Hint=Close
BtnSysMinSize.Hint=Minimize
PM_Copy.Caption=Copy to clipboard
PM_CopyExact.Caption=Copy exact value
PM_CopyPlain.Caption=Copy without separators
PM_CopyTable.Caption=Copy table
PM_English.Caption=English
PM_Spanish.Caption=Spanish
PM_German.Caption=German
PM_Italian.Caption=Italian
PM_French.Caption=French
ComboBoxUnits.Items=Length||Area||Volume||Mass||Time||Speed||Acceleration||Force||Pressure||Energy||Power||Temperature||Angle||Frequency||Data Size||Data Rate||Density||Volume Flow||Mass Flow||Torque||Dynamic Viscosity||Kinematic Viscosity||Electric Current||Electric Charge||Voltage||Electric Resistance||Capacitance||Inductance||Magnetic Flux||Magnetic Flux Density||Illuminance||Luminance||Radioactivity||Absorbed Dose||Equivalent Dose||Amount of Substance||Fuel Economy||Fuel Consumption||Temperature Interval||Electric Conductance||Luminous Intensity||Luminous Flux||Solid Angle||Ratio||Magnetic Field (H)||Radiation Exposure||Angular Velocity||Thermal Conductivity||Heat Flux||Specific Energy||Specific Heat||Area Density||Linear Density||Count||Molar Concentration||Mass Concentration
