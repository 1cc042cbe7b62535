; Mensurix interface texts: German (Deutsch)

[Messages]
MS_Homepage=Homepage: %1
MS_CopyRight=Copyright © %1
MS_ValueTooLong=Der Wert darf höchstens %1 Zeichen haben; der Text wurde nicht eingefügt.
MS_BelowAbsoluteZero=Der Wert liegt unter dem absoluten Nullpunkt (0 %1); tiefer reicht keine Temperatur.
MS_Approximate=Näherungswert: beruht auf π und zeigt nur die sicheren Ziffern.
MS_NoValueAtZero=Null hat in dieser Einheit keinen Wert: eine der beiden Einheiten ist der Kehrwert der anderen.
MS_Unit=Einheit
MS_Value=Wert
MS_FindUnit=Einheit suchen (Strg+F)
MS_DecimalMark=,
MS_NotAValue=Kein Wert: „%1“ an Stelle %2.
MS_Incomplete=Der Wert ist nach „%1“ (Stelle %2) unvollständig.
MS_TwoReadings=„%1“ lässt sich zweifach lesen: %3 oder %4.
MS_DivisionByZero=Division durch null an Stelle %2.
MS_UnknownUnit=„%1“ ist keine Einheit dieser Größe.
MS_AmbiguousUnit=„%1“ passt auf mehrere Einheiten; bitte das Symbol schreiben.
MS_MissingUnit=„%1“ braucht eine Einheit wie die anderen Zahlen.
MS_NotSummable=„%1“ lässt sich nicht zu anderen Einheiten addieren.

[FrmConvert]
Label1.Caption=Max. Anzahl Nachkommastellen:
Label2.Caption=Bitte wählen:
Label3.Caption=Von:
Label4.Caption=Nach:
CheckBoxDouHao.Caption=Tausendertrennzeichen
Label28.Caption=>> Sprache
BtnSysClose.Hint=Schließen
BtnSysMinSize.Hint=Minimieren
PM_Copy.Caption=In die Zwischenablage kopieren
PM_CopyExact.Caption=Exakten Wert kopieren
PM_CopyPlain.Caption=Ohne Trennzeichen kopieren
PM_CopyTable.Caption=Tabelle kopieren
PM_English.Caption=Englisch
PM_Spanish.Caption=Spanisch
PM_German.Caption=Deutsch
PM_Italian.Caption=Italienisch
PM_French.Caption=Französisch
ComboBoxUnits.Items=Länge||Fläche||Volumen||Masse||Zeit||Geschwindigkeit||Beschleunigung||Kraft||Druck||Energie||Leistung||Temperatur||Winkel||Frequenz||Datenmenge||Datenrate||Dichte||Volumenstrom||Massenstrom||Drehmoment||Dyn. Viskosität||Kin. Viskosität||Stromstärke||Elektrische Ladung||Elektrische Spannung||Widerstand||Elektrische Kapazität||Induktivität||Magnetischer Fluss||Flussdichte (B)||Beleuchtungsstärke||Leuchtdichte||Radioaktivität||Energiedosis||Äquivalentdosis||Stoffmenge||Kraftstoffeffizienz||Kraftstoffverbrauch||Temperaturdifferenz||Leitwert||Lichtstärke||Lichtstrom||Raumwinkel||Anteil||Feldstärke (H)||Ionendosis||Drehgeschwindigkeit||Wärmeleitfähigkeit||Wärmestromdichte||Spezifische Energie||Spezifische Wärme||Flächengewicht||Längengewicht||Anzahl||Molarität||Massenkonzentration
