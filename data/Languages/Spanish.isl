; Mensurix interface texts: Spanish (Español)

[Messages]
MS_Homepage=Página web: %1
MS_CopyRight=Copyright © %1
MS_ValueTooLong=El valor admite como máximo %1 caracteres; el texto no se ha insertado.
MS_BelowAbsoluteZero=El valor está por debajo del cero absoluto (0 %1); ninguna temperatura es más baja.
MS_Approximate=Valor aproximado: basado en π, se muestra solo con las cifras seguras.
MS_NoValueAtZero=El cero no tiene valor en esta unidad: una de las dos unidades es la inversa de la otra.
MS_Unit=Unidad
MS_Value=Valor
MS_FindUnit=Buscar una unidad (Ctrl+F)
MS_DecimalMark=,
MS_NotAValue=No es un valor: «%1» en el carácter %2.
MS_Incomplete=El valor está incompleto después de «%1» (carácter %2).
MS_TwoReadings=«%1» se lee de dos maneras: %3 o %4.
MS_DivisionByZero=División por cero en el carácter %2.
MS_UnknownUnit=«%1» no es una unidad de esta categoría.
MS_AmbiguousUnit=«%1» designa varias unidades; escriba su símbolo.
MS_MissingUnit=«%1» necesita una unidad, como los demás números.
MS_NotSummable=«%1» no se puede sumar a otras unidades.

[FrmConvert]
Label1.Caption=Número máximo de decimales:
Label2.Caption=Seleccione:
Label3.Caption=De:
Label4.Caption=A:
CheckBoxDouHao.Caption=Separadores de miles
Label28.Caption=>> Idioma
BtnSysClose.Hint=Cerrar
BtnSysMinSize.Hint=Minimizar
PM_Copy.Caption=Copiar al portapapeles
PM_CopyExact.Caption=Copiar valor exacto
PM_CopyPlain.Caption=Copiar sin separadores
PM_CopyTable.Caption=Copiar tabla
PM_English.Caption=Inglés
PM_Spanish.Caption=Español
PM_German.Caption=Alemán
PM_Italian.Caption=Italiano
PM_French.Caption=Francés
ComboBoxUnits.Items=Longitud||Superficie||Volumen||Masa||Tiempo||Velocidad||Aceleración||Fuerza||Presión||Energía||Potencia||Temperatura||Ángulo||Frecuencia||Cantidad de datos||Tasa de transferencia||Densidad||Caudal volumétrico||Caudal másico||Par de torsión||Viscosidad dinámica||Viscosidad cinemática||Corriente eléctrica||Carga eléctrica||Tensión eléctrica||Resistencia eléctrica||Capacidad eléctrica||Inductancia||Flujo magnético||Inducción magnética||Iluminancia||Luminancia||Radiactividad||Dosis absorbida||Dosis equivalente||Cantidad de sustancia||Rendimiento (km/L)||Consumo (L/100 km)||Diferencia térmica||Conductancia||Intensidad luminosa||Flujo luminoso||Ángulo sólido||Proporción||Campo magnético||Exposición||Velocidad angular||Conductiv. térmica||Flujo de calor||Energía específica||Calor específico||Densidad superficial||Densidad lineal||Recuento||Concentración molar||Concentración másica
