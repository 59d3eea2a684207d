VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   Begin VB.Frame Frame1 
      Caption         =   "Frame1"
      Height          =   1000
      Left            =   100
      Begin VB.Line Line1 
         X1              =   0
      End
      Begin VB.CheckBox Check1 
         Caption         =   "On"
         Value           =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Arial"
            Size            =   8.25
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
   End
End
Attribute VB_Name = "Form1"
