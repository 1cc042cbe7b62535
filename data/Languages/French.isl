; Mensurix interface texts: French (Français)

[Messages]
MS_Homepage=Site web : %1
MS_CopyRight=Copyright © %1
MS_ValueTooLong=La valeur peut compter au plus %1 caractères ; le texte n'a pas été inséré.
MS_BelowAbsoluteZero=La valeur est inférieure au zéro absolu (0 %1) ; aucune température n'est plus basse.
MS_Approximate=Valeur approchée : fondée sur π, affichée avec ses seuls chiffres certains.
MS_NoValueAtZero=Zéro n'a pas de valeur dans cette unité : l'une des deux unités est l'inverse de l'autre.
MS_Unit=Unité
MS_Value=Valeur
MS_FindUnit=Chercher une unité (Ctrl+F)
MS_DecimalMark=,
MS_NotAValue=Valeur non valide : « %1 » au caractère %2.
MS_Incomplete=La valeur est incomplète après « %1 » (caractère %2).
MS_TwoReadings=« %1 » se lit de deux façons : %3 ou %4.
MS_DivisionByZero=Division par zéro au caractère %2.
MS_UnknownUnit=« %1 » n'est pas une unité de cette catégorie.
MS_AmbiguousUnit=« %1 » désigne plusieurs unités ; écrivez son symbole.
MS_MissingUnit=« %1 » doit avoir une unité, comme les autres nombres.
MS_NotSummable=« %1 » ne peut pas s'ajouter à d'autres unités.

[FrmConvert]
Label1.Caption=Nombre max. de décimales :
Label2.Caption=Sélectionnez :
Label3.Caption=De :
Label4.Caption=En :
CheckBoxDouHao.Caption=Séparateurs de milliers
Label28.Caption=>> Langue
BtnSysClose.Hint=Fermer
BtnSysMinSize.Hint=Réduire
PM_Copy.Caption=Copier dans le presse-papiers
PM_CopyExact.Caption=Copier la valeur exacte
PM_CopyPlain.Caption=Copier sans séparateurs
PM_CopyTable.Caption=Copier le tableau
PM_English.Caption=Anglais
PM_Spanish.Caption=Espagnol
PM_German.Caption=Allemand
PM_Italian.Caption=Italien
PM_French.Caption=Français
ComboBoxUnits.Items=Longueur||Superficie||Volume||Masse||Temps||Vitesse||Accélération||Force||Pression||Énergie||Puissance||Température||Angle||Fréquence||Quantité de données||Débit de données||Masse volumique||Débit volumique||Débit massique||Couple||Viscosité dynamique||Viscosité cinématique||Courant électrique||Charge électrique||Tension électrique||Résistance électrique||Capacité électrique||Inductance||Flux magnétique||Induction magnétique||Éclairement lumineux||Luminance||Radioactivité||Dose absorbée||Dose équivalente||Quantité de matière||Rendement (km/L)||Consommation||Écart de température||Conductance||Intensité lumineuse||Flux lumineux||Angle solide||Proportion||Champ magnétique||Exposition||Vitesse angulaire||Conductivité therm.||Flux thermique||Énergie massique||Chaleur massique||Masse surfacique||Masse linéique||Comptage||Concentration molaire||Concentr. massique
