; Mensurix interface texts: Italian (Italiano)

[Messages]
MS_Homepage=Sito web: %1
MS_CopyRight=Copyright © %1
MS_ValueTooLong=Il valore può avere al massimo %1 caratteri; il testo non è stato inserito.
MS_BelowAbsoluteZero=Il valore è al di sotto dello zero assoluto (0 %1); nessuna temperatura è più bassa.
MS_Approximate=Valore approssimato: basato su π, mostrato solo con le cifre certe.
MS_NoValueAtZero=Lo zero non ha valore in questa unità: una delle due unità è l'inversa dell'altra.
MS_Unit=Unità
MS_Value=Valore
MS_FindUnit=Cerca un'unità (Ctrl+F)
MS_DecimalMark=,
MS_NotAValue=Non è un valore: «%1» al carattere %2.
MS_Incomplete=Il valore è incompleto dopo «%1» (carattere %2).
MS_TwoReadings=«%1» si legge in due modi: %3 o %4.
MS_DivisionByZero=Divisione per zero al carattere %2.
MS_UnknownUnit=«%1» non è un'unità di questa categoria.
MS_AmbiguousUnit=«%1» indica più unità; scrivere il simbolo.
MS_MissingUnit=«%1» richiede un'unità, come gli altri numeri.
MS_NotSummable=«%1» non si può sommare ad altre unità.

[FrmConvert]
Label1.Caption=Numero massimo di decimali:
Label2.Caption=Selezionare:
Label3.Caption=Da:
Label4.Caption=A:
CheckBoxDouHao.Caption=Separatore delle migliaia
Label28.Caption=>> Lingua
BtnSysClose.Hint=Chiudi
BtnSysMinSize.Hint=Riduci a icona
PM_Copy.Caption=Copia negli appunti
PM_CopyExact.Caption=Copia valore esatto
PM_CopyPlain.Caption=Copia senza separatori
PM_CopyTable.Caption=Copia tabella
PM_English.Caption=Inglese
PM_Spanish.Caption=Spagnolo
PM_German.Caption=Tedesco
PM_Italian.Caption=Italiano
PM_French.Caption=Francese
ComboBoxUnits.Items=Lunghezza||Superficie||Volume||Massa||Tempo||Velocità||Accelerazione||Forza||Pressione||Energia||Potenza||Temperatura||Angolo||Frequenza||Quantità di dati||Velocità dati||Densità||Portata volumetrica||Portata massica||Coppia||Viscosità dinamica||Viscosità cinematica||Corrente elettrica||Carica elettrica||Tensione elettrica||Resistenza elettrica||Capacità elettrica||Induttanza||Flusso magnetico||Induzione magnetica||Illuminamento||Luminanza||Radioattività||Dose assorbita||Dose equivalente||Quantità di sostanza||Percorrenza||Consumo carburante||Salto termico||Conduttanza||Intensità luminosa||Flusso luminoso||Angolo solido||Proporzione||Campo magnetico||Esposizione||Velocità angolare||Conducibilità termica||Flusso termico||Energia specifica||Calore specifico||Densità superficiale||Densità lineare||Conteggio||Molarità||Conc. di massa
