VERSION 5.00
Begin VB.Form F
   Begin FolivanTabs.FolivanTab T
      DCtrlCount      =   2
      DefCtrlCap(1)   =   "A[0]"
   End
End
